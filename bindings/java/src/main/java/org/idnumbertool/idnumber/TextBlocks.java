package org.idnumbertool.idnumber;

import java.util.Iterator;
import java.util.List;
import java.util.RandomAccess;

/**
 * The texts of a batch, kept by its result in blocks of 2^16: a copy the
 * caller cannot change afterwards, made by bulk copies into arrays small
 * enough for the young generation (one array of a million references would
 * be a humongous object, whose every store costs the collector).
 */
final class TextBlocks {
    static final int SHIFT = 16;
    static final int SIZE = 1 << SHIFT;
    private static final int MASK = SIZE - 1;

    private final String[][] blocks;
    private final int count;

    private TextBlocks(int count) {
        this.count = count;
        blocks = new String[(count + MASK) >>> SHIFT][];
        for (int b = 0; b < blocks.length; b++) {
            blocks[b] = new String[Math.min(SIZE, count - (b << SHIFT))];
        }
    }

    static TextBlocks of(String[] texts) {
        TextBlocks copy = new TextBlocks(texts.length);
        for (int b = 0; b < copy.blocks.length; b++) {
            System.arraycopy(texts, b << SHIFT, copy.blocks[b], 0, copy.blocks[b].length);
        }
        return copy;
    }

    static TextBlocks of(List<String> texts) {
        TextBlocks copy = new TextBlocks(texts.size());
        if (texts instanceof RandomAccess) {
            for (int b = 0; b < copy.blocks.length; b++) {
                int from = b << SHIFT;
                String[] block = texts.subList(from, from + copy.blocks[b].length).toArray(copy.blocks[b]);
                if (block != copy.blocks[b] || texts.size() != copy.count) {
                    throw new java.util.ConcurrentModificationException("the list changed while it was read");
                }
            }
        } else {
            Iterator<String> all = texts.iterator();
            for (int i = 0; i < copy.count; i++) {
                copy.blocks[i >>> SHIFT][i & MASK] = all.next();
            }
        }
        return copy;
    }

    int size() {
        return count;
    }

    String get(int index) {
        if (index < 0 || index >= count) {
            throw new IndexOutOfBoundsException("index " + index + " of " + count + " texts");
        }
        return blocks[index >>> SHIFT][index & MASK];
    }

    /** The block holding text {@code index}, whose place in it is {@code index & (SIZE - 1)}. */
    String[] block(int index) {
        return blocks[index >>> SHIFT];
    }
}
