package org.idnumbertool.idnumber;

import java.nio.ByteBuffer;
import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.Map;
import java.util.Optional;

/**
 * What a valid number's region code (its first six digits) gives, asked of
 * the C API once per code and shared by every verdict of the code: the
 * dialog's three region fields, the code's history, and the kind and
 * nationality of its numbers; whether the code was in use in a birth year is
 * asked once per code and year.
 */
final class RegionInfo {
    private static final int CODES = 1000000;
    private static final int FIRST_YEAR = 1900;
    private static final int YEARS = 200;
    /** By code. Racy publication is safe: every field is final (or, inUse, idempotent). */
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
    /** By birth year from FIRST_YEAR: 0 not asked yet, 1 in use, 2 not. */
    private final byte[] inUse = new byte[YEARS];

    private RegionInfo(int code, String province, String city, String county, CodeHistory history, Kind kind,
                       Nationality nationality) {
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
    }

    /**
     * The region of a valid number whose {@code length} bytes of UTF-8 are at
     * {@code number} in native memory, valid with the year limit given.
     */
    static RegionInfo of(int code, long number, long length, int yearLimit) {
        if (code < 0 || code >= CODES) {
            throw new IllegalStateException("idnumber: the C API gave the region code " + code);
        }
        RegionInfo info = BY_CODE[code];
        if (info == null) {
            info = load(code, number, length, yearLimit);
            BY_CODE[code] = info;
        }
        return info;
    }

    /** The region of a code already asked of the library, or null. */
    static RegionInfo cached(int code) {
        return code >= 0 && code < CODES ? BY_CODE[code] : null;
    }

    boolean inUseAtBirth(int year) {
        int index = year - FIRST_YEAR;
        if (index < 0 || index >= YEARS) {
            return Binding.api().idn_in_use_at_birth(code, year) == 1;
        }
        byte answer = inUse[index];
        if (answer == 0) {
            answer = Binding.api().idn_in_use_at_birth(code, year) == 1 ? (byte) 1 : (byte) 2;
            inUse[index] = answer;
        }
        return answer == 1;
    }

    private static RegionInfo load(int code, long number, long length, int yearLimit) {
        CApi api = Binding.api();
        Scratch s = Scratch.get();
        Layouts.RegionFields fields = Binding.layouts().regionFields;
        int status = api.idn_region_fields(code, s.at(Scratch.STRUCT));
        if (status != CApi.IDN_OK) {
            throw Binding.unexpected("idn_region_fields", status);
        }
        String province = Binding.text(s.word(Scratch.STRUCT + fields.province));
        String city = Binding.text(s.word(Scratch.STRUCT + fields.city));
        String county = Binding.text(s.word(Scratch.STRUCT + fields.county));
        CodeHistory history = history(code);
        // The kind and nationality of the code's numbers, from idtool's record of this one.
        status = api.idn_verify_json(number, length, yearLimit, 0, s.at(Scratch.OUT), Scratch.OUT_SIZE,
                                     s.at(Scratch.WRITTEN));
        if (status != CApi.IDN_OK) {
            throw Binding.unexpected("idn_verify_json", status);
        }
        @SuppressWarnings("unchecked")
        Map<String, Object> record = (Map<String, Object>) RecordJson.parse(s.out());
        Kind kind = Kind.ofWord((String) record.get("kind"));
        Nationality nationality = null;
        Object value = record.get("nationality");
        if (value instanceof Map) {
            Map<?, ?> nation = (Map<?, ?>) value;
            nationality = new Nationality((String) nation.get("code"), (String) nation.get("name"));
        }
        return new RegionInfo(code, province, city, county, history, kind, nationality);
    }

    /** What the history of region codes says of a code, as the C API gives it. */
    static CodeHistory history(int code) {
        CApi api = Binding.api();
        Layouts layouts = Binding.layouts();
        Scratch s = Scratch.get();
        ByteBuffer b = s.buffer;
        int at = Scratch.STRUCT;
        CodeStatus status = CodeStatus.of(api.idn_code_state(code));

        long count = api.idn_history_count(code);
        List<HistoryRecord> records = new ArrayList<HistoryRecord>((int) count);
        Layouts.HistoryRecord h = layouts.historyRecord;
        for (long i = 0; i < count; i++) {
            int result = api.idn_history_at(code, i, s.at(at));
            if (result != CApi.IDN_OK) {
                throw Binding.unexpected("idn_history_at", result);
            }
            records.add(new HistoryRecord(b.getInt(at + h.code), Binding.text(s.word(at + h.name)),
                Binding.text(s.word(at + h.province)), Binding.text(s.word(at + h.prefecture)),
                Binding.text(s.word(at + h.level)), b.getInt(at + h.from), b.getInt(at + h.until)));
        }

        Layouts.Successor sl = layouts.successor;
        int result = api.idn_successors(code, s.at(at), CApi.IDN_MAX_SUCCESSORS, s.at(Scratch.CURSOR));
        if (result != CApi.IDN_OK) {
            throw Binding.unexpected("idn_successors", result);
        }
        int successorCount = (int) s.word(Scratch.CURSOR);
        List<Successor> successors = new ArrayList<Successor>(successorCount);
        for (int i = 0; i < successorCount; i++) {
            int item = at + i * sl.size;
            successors.add(new Successor(b.getInt(item + sl.code), Binding.text(s.word(item + sl.name)),
                CodeStatus.of(b.getInt(item + sl.state))));
        }

        Layouts.PresentCode pl = layouts.presentCode;
        result = api.idn_now_codes(code, s.at(at), CApi.IDN_MAX_NOW_CODES, s.at(Scratch.CURSOR));
        if (result != CApi.IDN_OK) {
            throw Binding.unexpected("idn_now_codes", result);
        }
        int nowCount = (int) s.word(Scratch.CURSOR);
        List<PresentCode> now = new ArrayList<PresentCode>(nowCount);
        for (int i = 0; i < nowCount; i++) {
            int item = at + i * pl.size;
            now.add(new PresentCode(b.getInt(item + pl.code), Binding.text(s.word(item + pl.name))));
        }
        return new CodeHistory(code, status, unmodifiable(records), unmodifiable(successors), unmodifiable(now));
    }

    private static <T> List<T> unmodifiable(List<T> list) {
        return list.isEmpty() ? Collections.<T>emptyList() : Collections.unmodifiableList(list);
    }
}
