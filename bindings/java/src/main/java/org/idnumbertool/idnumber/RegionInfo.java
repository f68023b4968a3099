package org.idnumbertool.idnumber;

import java.nio.ByteBuffer;
import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.Optional;

/**
 * What a valid number's region code (its first six digits) gives, asked of
 * the C API (idn_region_info) once per code and shared by every verdict and
 * match of the code: the dialog's three region fields, the kind and
 * nationality of its numbers, and the code's history. Whether the code was
 * in use in a birth year is kept with the span of birth years the library
 * says that answer holds for, and asked again for a year outside every span
 * kept: this class keeps answers and decides nothing.
 */
final class RegionInfo {
    private static final int CODES = 1000000;
    /** By code. Racy publication is safe: every field is final, or (spans) replaced whole. */
    private static final RegionInfo[] BY_CODE = new RegionInfo[CODES];

    final int code;
    final String province;
    final String city;
    final String county;
    final CodeHistory history;
    final Optional<String> provinceOptional;
    final Optional<String> cityOptional;
    final Optional<String> countyOptional;
    final Optional<Kind> kind;
    final Optional<Nationality> nationality;
    /** The answers of in_use_at_birth known so far: from, to and 1 or 0, three ints a span. */
    private volatile int[] spans;

    private RegionInfo(int code, String province, String city, String county, CodeHistory history, Kind kind,
                       Nationality nationality, int[] spans) {
        this.code = code;
        this.province = province;
        this.city = city;
        this.county = county;
        this.history = history;
        this.provinceOptional = Optional.of(province);
        this.cityOptional = Optional.of(city);
        this.countyOptional = Optional.of(county);
        this.kind = Optional.ofNullable(kind);
        this.nationality = Optional.ofNullable(nationality);
        this.spans = spans;
    }

    /** The region of a valid number's code. */
    static RegionInfo of(int code) {
        if (code < 0 || code >= CODES) {
            throw new IllegalStateException("idnumber: the C API gave the region code " + code);
        }
        RegionInfo info = BY_CODE[code];
        if (info == null) {
            info = load(code);
            BY_CODE[code] = info;
        }
        return info;
    }

    /** Whether a record of the code was in use in the birth year, as the library answers. */
    boolean inUseAtBirth(int year) {
        int[] known = spans;
        for (int i = 0; i < known.length; i += 3) {
            if (year >= known[i] && year <= known[i + 1]) {
                return known[i + 2] == 1;
            }
        }
        Scratch s = Scratch.get();
        ask(s, code, year);
        int[] span = span(s);
        int[] more = new int[known.length + 3];
        System.arraycopy(known, 0, more, 0, known.length);
        System.arraycopy(span, 0, more, known.length, 3);
        spans = more;  // a lost update only asks the library again
        return span[2] == 1;
    }

    /** idn_region_info of the code and year into STRUCT. */
    private static void ask(Scratch s, int code, int year) {
        s.sized(Scratch.STRUCT, ApiConstants.RegionInfo.SIZE);
        int status = Binding.api().idn_region_info(code, year, s.at(Scratch.STRUCT));
        if (status != ApiConstants.IDN_OK) {
            throw Binding.unexpected("idn_region_info", status);
        }
    }

    /** The span of birth years and the answer of the info at STRUCT. */
    private static int[] span(Scratch s) {
        ByteBuffer b = s.buffer;
        int at = Scratch.STRUCT;
        return new int[] {b.getInt(at + ApiConstants.RegionInfo.YEARS_FROM),
            b.getInt(at + ApiConstants.RegionInfo.YEARS_TO), b.getInt(at + ApiConstants.RegionInfo.IN_USE_AT_BIRTH)};
    }

    private static RegionInfo load(int code) {
        Scratch s = Scratch.get();
        // The history first: it uses STRUCT too.
        CodeHistory history = history(code);
        // Any birth year gives the fields; the span of the one asked is kept.
        ask(s, code, ApiConstants.IDN_HISTORY_FIRST_YEAR);
        ByteBuffer b = s.buffer;
        int at = Scratch.STRUCT;
        String province = Binding.text(s.word(at + ApiConstants.RegionInfo.PROVINCE));
        String city = Binding.text(s.word(at + ApiConstants.RegionInfo.CITY));
        String county = Binding.text(s.word(at + ApiConstants.RegionInfo.COUNTY));
        Kind kind = Kind.of(b.getInt(at + ApiConstants.RegionInfo.KIND));
        Nationality nationality = null;
        if (kind == Kind.FOREIGNER_CARD) {
            int country = b.getInt(at + ApiConstants.RegionInfo.NATIONALITY_CODE);
            nationality = new Nationality(threeDigits(country),
                                          Binding.text(s.word(at + ApiConstants.RegionInfo.NATIONALITY)));
        }
        return new RegionInfo(code, province, city, county, history, kind, nationality, span(s));
    }

    /** The country code as the number writes it, digits 4-6. */
    private static String threeDigits(int country) {
        String digits = String.valueOf(country);
        return "000".substring(Math.min(3, digits.length())) + digits;
    }

    /** What the history of region codes says of a code, as the C API gives it. */
    static CodeHistory history(int code) {
        CApi api = Binding.api();
        Scratch s = Scratch.get();
        ByteBuffer b = s.buffer;
        int at = Scratch.STRUCT;
        CodeStatus status = CodeStatus.of(api.idn_code_status_of(code));

        long count = api.idn_history_count(code);
        List<HistoryRecord> records = new ArrayList<HistoryRecord>((int) count);
        for (long i = 0; i < count; i++) {
            s.sized(at, ApiConstants.HistoryRecord.SIZE);
            int result = api.idn_history_at(code, i, s.at(at));
            if (result != ApiConstants.IDN_OK) {
                throw Binding.unexpected("idn_history_at", result);
            }
            records.add(new HistoryRecord(b.getInt(at + ApiConstants.HistoryRecord.CODE),
                Binding.text(s.word(at + ApiConstants.HistoryRecord.NAME)),
                Binding.text(s.word(at + ApiConstants.HistoryRecord.PROVINCE)),
                Binding.text(s.word(at + ApiConstants.HistoryRecord.PREFECTURE)),
                Binding.text(s.word(at + ApiConstants.HistoryRecord.LEVEL)),
                b.getInt(at + ApiConstants.HistoryRecord.FROM), b.getInt(at + ApiConstants.HistoryRecord.UNTIL)));
        }

        // An array of entries: the first's size is the step between them.
        s.sized(at, ApiConstants.Successor.SIZE);
        int result = api.idn_successors(code, s.at(at), ApiConstants.IDN_MAX_SUCCESSORS, s.at(Scratch.CURSOR));
        if (result != ApiConstants.IDN_OK) {
            throw Binding.unexpected("idn_successors", result);
        }
        int successorCount = (int) s.word(Scratch.CURSOR);
        List<Successor> successors = new ArrayList<Successor>(successorCount);
        for (int i = 0; i < successorCount; i++) {
            int item = at + i * ApiConstants.Successor.SIZE;
            successors.add(new Successor(b.getInt(item + ApiConstants.Successor.CODE),
                Binding.text(s.word(item + ApiConstants.Successor.NAME)),
                CodeStatus.of(b.getInt(item + ApiConstants.Successor.STATUS))));
        }

        s.sized(at, ApiConstants.PresentCode.SIZE);
        result = api.idn_now_codes(code, s.at(at), ApiConstants.IDN_MAX_NOW_CODES, s.at(Scratch.CURSOR));
        if (result != ApiConstants.IDN_OK) {
            throw Binding.unexpected("idn_now_codes", result);
        }
        int nowCount = (int) s.word(Scratch.CURSOR);
        List<PresentCode> now = new ArrayList<PresentCode>(nowCount);
        for (int i = 0; i < nowCount; i++) {
            int item = at + i * ApiConstants.PresentCode.SIZE;
            now.add(new PresentCode(b.getInt(item + ApiConstants.PresentCode.CODE),
                Binding.text(s.word(item + ApiConstants.PresentCode.NAME))));
        }
        return new CodeHistory(code, status, unmodifiable(records), unmodifiable(successors), unmodifiable(now));
    }

    private static <T> List<T> unmodifiable(List<T> list) {
        return list.isEmpty() ? Collections.<T>emptyList() : Collections.unmodifiableList(list);
    }
}
