package org.idnumbertool.idnumber;

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
    private final long seed;
    private final String warning;

    private GeneratedNumbers(long[] generator, long count, long seed, String warning) {
        this.generator = generator;
        this.count = count;
        this.seed = seed;
        this.warning = warning;
    }

    /** How many numbers there are: the count asked for. */
    public long count() {
        return count;
    }

    /**
     * The seed the numbers were drawn with: the one given, or the one the
     * system gave. {@link GenerateOptions.Builder#seed(long)} with it gives
     * these numbers again; a seed of 2^63 or more is a negative long, as
     * {@link Long#toUnsignedString} shows it.
     */
    public long getSeed() {
        return seed;
    }

    /** Number {@code index}, 0 to count() - 1. */
    public String get(long index) {
        Scratch s = Scratch.get();
        s.putGenerator(generator);
        int status = Binding.api().idn_generator_number(s.at(Scratch.GENERATOR), index, s.at(Scratch.OUT),
                                                        ApiConstants.IDN_NUMBER_SIZE, s.at(Scratch.WRITTEN));
        if (status == ApiConstants.IDN_ERROR_NOT_FOUND) {
            throw new IndexOutOfBoundsException("index " + index + " of " + count + " numbers");
        }
        if (status != ApiConstants.IDN_OK) {
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
        Scratch s = Scratch.get();
        long generator = s.at(Scratch.GENERATOR);
        s.generator = null;
        int status = api.idn_generator_init(generator, Scratch.GENERATOR_SIZE);
        if (status != ApiConstants.IDN_OK) {
            throw Binding.unexpected("idn_generator_init", status);
        }
        setText(s, ApiConstants.IDN_OPTION_REGION, options.region);
        setText(s, ApiConstants.IDN_OPTION_BIRTH, options.birth);
        setText(s, ApiConstants.IDN_OPTION_BORN_FROM, options.bornFrom);
        setText(s, ApiConstants.IDN_OPTION_BORN_TO, options.bornTo);
        // The library reads a sex word, and refuses one it does not know in its place in the order.
        setText(s, ApiConstants.IDN_OPTION_SEX, options.sexWord);
        if (options.sex != null) {
            setInteger(s, ApiConstants.IDN_OPTION_SEX, options.sex.code());
        }
        setInteger(s, ApiConstants.IDN_OPTION_COUNT, options.count);
        if (options.hasSeed) {
            // A negative long stands for the seed of the same 64 bits, as the library takes it.
            setInteger(s, ApiConstants.IDN_OPTION_SEED, options.seed);
        }
        // The C API takes an as_of_year of 0 for none given; a 0 given here is no year, so a stand-in the
        // library refuses as any year outside the history, in its place in the order, worded with the 0.
        boolean asOfZero = options.asOfYear != null && options.asOfYear == 0;
        if (options.asOfYear != null) {
            setInteger(s, ApiConstants.IDN_OPTION_AS_OF_YEAR, asOfZero ? -1 : options.asOfYear);
        }
        setInteger(s, ApiConstants.IDN_OPTION_YEAR_LIMIT, options.yearLimit);

        status = api.idn_generator_prepare(generator);
        if (status != ApiConstants.IDN_OK) {
            api.idn_generator_refusal(generator, s.at(Scratch.SMALL), s.at(Scratch.SMALL2));
            int option = s.buffer.getInt(Scratch.SMALL2);
            if (option == ApiConstants.IDN_OPTION_AS_OF_YEAR && asOfZero) {
                throw OptionNames.refusal(status, option, "0");
            }
            throw new IdNumberException(status, OptionNames.of(option), message(generator));
        }
        long[] words = new long[Scratch.GENERATOR_SIZE / 8];
        for (int i = 0; i < words.length; i++) {
            words[i] = s.buffer.getLong(Scratch.GENERATOR + 8 * i);
        }
        s.generator = words;
        String warning = api.idn_generator_warning(generator) != ApiConstants.IDN_WARNING_NONE ? message(generator)
            : null;
        status = api.idn_generator_seed(generator, s.at(Scratch.CURSOR));
        if (status != ApiConstants.IDN_OK) {
            throw Binding.unexpected("idn_generator_seed", status);
        }
        long seed = s.buffer.getLong(Scratch.CURSOR);
        return new GeneratedNumbers(words, api.idn_generator_count(generator), seed, warning);
    }

    /** The library's message of the generator's refusal or warning, with the Java names of the options. */
    private static String message(long generator) {
        Scratch s = Scratch.get();
        int status = Binding.api().idn_generator_message(generator, OptionNames.ADDRESS, OptionNames.COUNT,
                                                         s.at(Scratch.OUT), Scratch.OUT_SIZE, s.at(Scratch.WRITTEN));
        if (status != ApiConstants.IDN_OK) {
            throw Binding.unexpected("idn_generator_message", status);
        }
        return s.out();
    }

    private static void setText(Scratch s, int option, String value) {
        if (value == null) {
            return;
        }
        int status;
        try (Scratch.PlacedText placed = s.place(value)) {
            status = Binding.api().idn_generator_set_text(s.at(Scratch.GENERATOR), option, placed.address,
                                                          placed.length);
        }
        if (status != ApiConstants.IDN_OK) {
            throw Binding.unexpected("idn_generator_set_text", status);
        }
    }

    private static void setInteger(Scratch s, int option, long value) {
        int status = Binding.api().idn_generator_set_integer(s.at(Scratch.GENERATOR), option, value);
        if (status != ApiConstants.IDN_OK) {
            throw Binding.unexpected("idn_generator_set_integer", status);
        }
    }
}
