package org.idnumbertool.idnumber;

import com.google.gson.JsonArray;
import com.google.gson.JsonElement;
import com.google.gson.JsonNull;
import com.google.gson.JsonObject;
import com.google.gson.JsonPrimitive;
import java.util.Optional;

/** A verdict written as idtool verify's JSON record (without "line" and "input"), to compare with idtool's. */
final class Records {
    private Records() {
    }

    static JsonObject record(Verdict v) {
        JsonObject o = new JsonObject();
        o.addProperty("valid", v.isValid());
        o.add("reason", word(v.getReason().map(Reason::word)));
        o.add("message", word(v.getMessage()));
        o.add("expected_check", word(v.getExpectedCheck().map(String::valueOf)));
        o.add("hint", word(v.getHint().map(Hint::word)));
        o.add("upgraded", word(v.getUpgraded()));
        o.add("kind", word(v.getKind().map(Kind::word)));
        if (v.getNationality().isPresent()) {
            JsonObject nationality = new JsonObject();
            nationality.addProperty("code", v.getNationality().get().getCode());
            nationality.add("name", word(v.getNationality().get().getName()));
            o.add("nationality", nationality);
        } else {
            o.add("nationality", JsonNull.INSTANCE);
        }
        o.add("birth_date", word(v.getBirthDateText()));
        o.add("sex", word(v.getSex().map(Sex::word)));
        o.add("province", word(v.getProvince()));
        o.add("city", word(v.getCity()));
        o.add("county", word(v.getCounty()));
        o.add("code_status", word(v.getCodeStatus().map(CodeStatus::word)));
        if (!v.isValid()) {
            o.add("history", JsonNull.INSTANCE);
            o.add("successors", JsonNull.INSTANCE);
            o.add("now", JsonNull.INSTANCE);
            o.add("in_use_at_birth", JsonNull.INSTANCE);
            return o;
        }
        JsonArray history = new JsonArray();
        for (HistoryRecord h : v.getHistory()) {
            history.add(historyRecord(h));
        }
        o.add("history", history);
        JsonArray successors = new JsonArray();
        for (Successor s : v.getSuccessors()) {
            successors.add(successor(s));
        }
        o.add("successors", successors);
        JsonArray now = new JsonArray();
        for (PresentCode p : v.getNow()) {
            now.add(presentCode(p));
        }
        o.add("now", now);
        o.addProperty("in_use_at_birth", v.getInUseAtBirth().get());
        return o;
    }

    static JsonObject historyRecord(HistoryRecord h) {
        JsonObject record = new JsonObject();
        record.addProperty("name", h.getName());
        record.addProperty("province", h.getProvince());
        record.addProperty("prefecture", h.getPrefecture());
        record.addProperty("from", h.getFrom());
        record.add("until", h.getUntil().isPresent() ? new JsonPrimitive(h.getUntil().getAsInt()) : JsonNull.INSTANCE);
        return record;
    }

    static JsonObject successor(Successor s) {
        JsonObject record = new JsonObject();
        record.addProperty("code", s.getCode());
        record.addProperty("name", s.getName());
        record.addProperty("status", s.getStatus().word());
        return record;
    }

    static JsonObject presentCode(PresentCode p) {
        JsonObject record = new JsonObject();
        record.addProperty("code", p.getCode());
        record.addProperty("name", p.getName());
        return record;
    }

    private static JsonElement word(Optional<String> value) {
        return value.isPresent() ? new JsonPrimitive(value.get()) : JsonNull.INSTANCE;
    }

    /** The expected record without the keys a Java verdict does not echo or gives elsewhere. */
    static JsonObject without(JsonObject record, String... keys) {
        JsonObject copy = record.deepCopy();
        for (String key : keys) {
            copy.remove(key);
        }
        return copy;
    }
}
