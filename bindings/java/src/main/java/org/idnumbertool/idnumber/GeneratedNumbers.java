package org.idnumbertool.idnumber;

import java.nio.ByteBuffer;
import java.util.ArrayList;
import java.util.Collections;
import java.util.Iterator;
import java.util.List;
import java.util.NoSuchElementException;
import java.util.Optional;
import java.util.stream.LongStream;
import java.util.stream.Stream;

/**
 * The distinct numbers of a generation, each made when it is read: number
 * {@code i} is always the same for the same options and seed, and the same
 * as line {@code i + 1} of {@code idtool generate}. Immutable and safe to
 * read from many threads at once.
 */
public final class GeneratedNumbers implements Iterable<String> {
    private final long[] generator;
    private final long count;
    private final String warning;

    private GeneratedNumbers(long[] generator, long count, String warning) {
        this.generator = generator;
        this.count = count;
        this.warning = warning;
    }

    /** How many numbers there are: the count asked for. */
    public long count() {
        return count;
    }

    /** Number {@code index}, 0 to count() - 1. */
    public String get(long index) {
        Scratch s = Scratch.get();
        s.putGenerator(generator);
        int status = Binding.api().idn_generator_number(s.at(Scratch.GENERATOR), index, s.at(Scratch.OUT),
                                                        CApi.IDN_NUMBER_SIZE, s.at(Scratch.WRITTEN));
        if (status == CApi.IDN_ERROR_NOT_FOUND) {
            throw new IndexOutOfBoundsException("index " + index + " of " + count + " numbers");
        }
        if (status != CApi.IDN_OK) {
            throw Binding.unexpected("idn_generator_number", status);
        }
        return s.out();
    }

    /**
     * The library's warning for a birth date no calendar has ("19900231 is
     * not a real calendar date; the numbers carry it as given"); empty when
     * there is none.
     */
    public Optional<String> getWarning() {
        return Optional.ofNullable(warning);
    }

    @Override
    public Iterator<String> iterator() {
        return new Iterator<String>() {
            private long next;

            @Override
            public boolean hasNext() {
                return next < count;
            }

            @Override
            public String next() {
                if (next >= count) {
                    throw new NoSuchElementException();
                }
                return get(next++);
            }
        };
    }

    /** The numbers in order; a parallel stream makes them on several threads. */
    public Stream<String> stream() {
        return LongStream.range(0, count).mapToObj(this::get);
    }

    /** All the numbers, in an unmodifiable list; IllegalStateException when there are more than a list holds. */
    public List<String> toList() {
        if (count > Integer.MAX_VALUE - 8) {
            throw new IllegalStateException("idnumber: " + count + " numbers are more than a List holds;"
                + " read them with get(index), iterator() or stream()");
        }
        List<String> numbers = new ArrayList<String>((int) count);
        for (long i = 0; i < count; i++) {
            numbers.add(get(i));
        }
        return Collections.unmodifiableList(numbers);
    }

    @Override
    public String toString() {
        return "GeneratedNumbers[" + count + (warning == null ? "" : ", " + warning) + "]";
    }

    /** Checks the options and prepares the numbers, or throws the library's refusal. */
    static GeneratedNumbers generate(GenerateOptions options) {
        CApi api = Binding.api();
        Layouts.GenerateOptions layout = Binding.layouts().generateOptions;
        List<NativeBuffer> held = new ArrayList<NativeBuffer>();
        try {
            NativeBuffer struct = new NativeBuffer(layout.size);
            held.add(struct);
            struct.clear();
            ByteBuffer b = struct.bytes().order(java.nio.ByteOrder.nativeOrder());
            putText(b, layout.region, layout.region_length, options.region, held);
            putText(b, layout.birth, layout.birth_length, options.birth, held);
            putText(b, layout.born_from, layout.born_from_length, options.bornFrom, held);
            putText(b, layout.born_to, layout.born_to_length, options.bornTo, held);

            Scratch s = Scratch.get();
            int sex = options.sex == null ? 0 : options.sex.code();
            boolean sexWordRefused = false;
            if (options.sexWord != null) {
                NativeBuffer word = text(options.sexWord, held);
                int status = api.idn_parse_sex(word.address(), Utf8.length(options.sexWord),
                                               s.at(Scratch.SMALL));
                if (status == CApi.IDN_OK) {
                    sex = s.buffer.getInt(Scratch.SMALL);
                } else if (status == CApi.IDN_ERROR_BAD_SEX) {
                    // A sex no idn_sex_t has: refused where the library checks the sex, after the options before it.
                    sex = -1;
                    sexWordRefused = true;
                } else {
                    throw Binding.unexpected("idn_parse_sex", status);
                }
            }
            b.putInt(layout.sex, sex);
            b.putInt(layout.has_seed, options.hasSeed ? 1 : 0);
            b.putLong(layout.count, options.count);
            b.putLong(layout.seed, options.seed);
            // 0 is how the C API says "not given": a year of 0 given here is refused as the library
            // refuses any year outside 1981-2024.
            boolean asOfZero = options.asOfYear != null && options.asOfYear == 0;
            b.putInt(layout.as_of_year, options.asOfYear == null ? 0 : asOfZero ? -1 : options.asOfYear);
            b.putInt(layout.year_limit, options.yearLimit);

            long optionsAt = struct.address();
            int status = api.idn_generator_init(s.at(Scratch.GENERATOR), optionsAt, s.at(Scratch.SMALL));
            s.generator = null;
            int option = s.buffer.getInt(Scratch.SMALL);
            if (status == CApi.IDN_ERROR_BAD_SEX && sexWordRefused) {
                throw OptionNames.refusal(status, CApi.IDN_OPTION_SEX, options.sexWord);
            }
            if (status == CApi.IDN_ERROR_AS_OF_YEAR && asOfZero) {
                throw OptionNames.refusal(status, CApi.IDN_OPTION_AS_OF_YEAR, "0");
            }
            if (status != CApi.IDN_OK) {
                throw new IdNumberException(status, OptionNames.of(option), message(optionsAt));
            }
            long[] words = new long[CApi.IDN_GENERATOR_WORDS];
            for (int i = 0; i < words.length; i++) {
                words[i] = s.buffer.getLong(Scratch.GENERATOR + 8 * i);
            }
            String warning = api.idn_generator_warning(s.at(Scratch.GENERATOR)) != CApi.IDN_WARNING_NONE
                ? message(optionsAt) : null;
            return new GeneratedNumbers(words, api.idn_generator_count(s.at(Scratch.GENERATOR)), warning);
        } finally {
            for (NativeBuffer memory : held) {
                memory.close();
            }
        }
    }

    /** The library's message of what generation answers for the options, with the Java names of the options. */
    private static String message(long options) {
        Scratch s = Scratch.get();
        int status = Binding.api().idn_generate_message(options, OptionNames.ADDRESS, s.at(Scratch.OUT),
                                                        Scratch.OUT_SIZE, s.at(Scratch.WRITTEN));
        if (status != CApi.IDN_OK) {
            throw Binding.unexpected("idn_generate_message", status);
        }
        return s.out();
    }

    private static void putText(ByteBuffer struct, int pointerAt, int lengthAt, String value, List<NativeBuffer> held) {
        if (value == null) {
            return;
        }
        NativeBuffer text = text(value, held);
        Binding.layouts().putWord(struct, pointerAt, text.address());
        Binding.layouts().putWord(struct, lengthAt, Utf8.length(value));
    }

    private static NativeBuffer text(String value, List<NativeBuffer> held) {
        NativeBuffer text = NativeBuffer.ofUtf8(value);
        held.add(text);
        return text;
    }
}
