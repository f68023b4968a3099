package org.idnumbertool.idnumber;

/**
 * Where the fields of the C API's structs lie, for a process whose pointers
 * and size_t have {@code pointerSize} bytes. Every field is aligned to its own
 * size and a struct's size to its largest field's, which is the C layout of
 * these structs on each platform the jar carries a library for (Windows x86
 * aligns its 64-bit fields to 8 as well). The fields are named as the C
 * members, so that a test can check each offset against the C compilers.
 */
final class Layouts {
    final int pointerSize;
    final Verdict verdict;
    final RegionFields regionFields;
    final Region region;
    final HistoryRecord historyRecord;
    final Successor successor;
    final PresentCode presentCode;
    final GenerateOptions generateOptions;
    final OptionNames optionNames;

    Layouts(int pointerSize) {
        this.pointerSize = pointerSize;
        verdict = new Verdict(pointerSize);
        regionFields = new RegionFields(pointerSize);
        region = new Region(pointerSize);
        historyRecord = new HistoryRecord(pointerSize);
        successor = new Successor(pointerSize);
        presentCode = new PresentCode(pointerSize);
        generateOptions = new GenerateOptions(pointerSize);
        optionNames = new OptionNames(pointerSize);
    }

    /** Writes a pointer or a size_t at {@code at} in a struct. */
    void putWord(java.nio.ByteBuffer struct, int at, long value) {
        if (pointerSize == 8) {
            struct.putLong(at, value);
        } else {
            struct.putInt(at, (int) value);
        }
    }

    /** Places fields one after another, each at the next offset its size divides. */
    static final class Builder {
        private final int pointerSize;
        private int end;
        private int alignment = 1;

        Builder(int pointerSize) {
            this.pointerSize = pointerSize;
        }

        int int32() {
            return place(4);
        }

        int int64() {
            return place(8);
        }

        int pointer() {
            return place(pointerSize);
        }

        /** size_t has the size of a pointer on every platform the jar serves. */
        int sizeT() {
            return place(pointerSize);
        }

        int size() {
            return roundUp(end, alignment);
        }

        private int place(int size) {
            int at = roundUp(end, size);
            end = at + size;
            alignment = Math.max(alignment, size);
            return at;
        }

        private static int roundUp(int value, int alignment) {
            return (value + alignment - 1) / alignment * alignment;
        }
    }

    /** A struct's name in the header and its size in bytes. */
    abstract static class Struct {
        final String cName;
        int size;

        Struct(String cName) {
            this.cName = cName;
        }
    }

    static final class Verdict extends Struct {
        final int reason;
        final int kind;
        final int sex;
        final int birth_year;
        final int birth_month;
        final int birth_day;
        final int region_code;
        final int expected_check;
        final int length;

        Verdict(int pointerSize) {
            super("idn_verdict_t");
            Builder b = new Builder(pointerSize);
            reason = b.int32();
            kind = b.int32();
            sex = b.int32();
            birth_year = b.int32();
            birth_month = b.int32();
            birth_day = b.int32();
            region_code = b.int32();
            expected_check = b.int32();
            length = b.int64();
            size = b.size();
        }
    }

    static final class RegionFields extends Struct {
        final int province;
        final int city;
        final int county;

        RegionFields(int pointerSize) {
            super("idn_region_fields_t");
            Builder b = new Builder(pointerSize);
            province = b.pointer();
            city = b.pointer();
            county = b.pointer();
            size = b.size();
        }
    }

    static final class Region extends Struct {
        final int code;
        final int name;
        final int level;
        final int province;
        final int city;

        Region(int pointerSize) {
            super("idn_region_t");
            Builder b = new Builder(pointerSize);
            code = b.int32();
            name = b.pointer();
            level = b.pointer();
            province = b.pointer();
            city = b.pointer();
            size = b.size();
        }
    }

    static final class HistoryRecord extends Struct {
        final int code;
        final int name;
        final int province;
        final int prefecture;
        final int level;
        final int from;
        final int until;

        HistoryRecord(int pointerSize) {
            super("idn_history_record_t");
            Builder b = new Builder(pointerSize);
            code = b.int32();
            name = b.pointer();
            province = b.pointer();
            prefecture = b.pointer();
            level = b.pointer();
            from = b.int32();
            until = b.int32();
            size = b.size();
        }
    }

    static final class Successor extends Struct {
        final int code;
        final int name;
        final int state;

        Successor(int pointerSize) {
            super("idn_successor_t");
            Builder b = new Builder(pointerSize);
            code = b.int32();
            name = b.pointer();
            state = b.int32();
            size = b.size();
        }
    }

    static final class PresentCode extends Struct {
        final int code;
        final int name;

        PresentCode(int pointerSize) {
            super("idn_present_code_t");
            Builder b = new Builder(pointerSize);
            code = b.int32();
            name = b.pointer();
            size = b.size();
        }
    }

    static final class GenerateOptions extends Struct {
        final int region;
        final int region_length;
        final int birth;
        final int birth_length;
        final int born_from;
        final int born_from_length;
        final int born_to;
        final int born_to_length;
        final int sex;
        final int has_seed;
        final int count;
        final int seed;
        final int as_of_year;
        final int year_limit;

        GenerateOptions(int pointerSize) {
            super("idn_generate_options_t");
            Builder b = new Builder(pointerSize);
            region = b.pointer();
            region_length = b.sizeT();
            birth = b.pointer();
            birth_length = b.sizeT();
            born_from = b.pointer();
            born_from_length = b.sizeT();
            born_to = b.pointer();
            born_to_length = b.sizeT();
            sex = b.int32();
            has_seed = b.int32();
            count = b.int64();
            seed = b.int64();
            as_of_year = b.int32();
            year_limit = b.int32();
            size = b.size();
        }
    }

    /** idn_option_names_t: one name per option, in idn_option_t's order from IDN_OPTION_REGION. */
    static final class OptionNames extends Struct {
        final int region;
        final int birth;
        final int born_from;
        final int born_to;
        final int sex;
        final int count;
        final int seed;
        final int as_of_year;
        final int year_limit;

        OptionNames(int pointerSize) {
            super("idn_option_names_t");
            Builder b = new Builder(pointerSize);
            region = b.pointer();
            birth = b.pointer();
            born_from = b.pointer();
            born_to = b.pointer();
            sex = b.pointer();
            count = b.pointer();
            seed = b.pointer();
            as_of_year = b.pointer();
            year_limit = b.pointer();
            size = b.size();
        }
    }
}
