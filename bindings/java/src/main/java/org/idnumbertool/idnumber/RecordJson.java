package org.idnumbertool.idnumber;

import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

/**
 * Reads the JSON that idn_verify_json writes (objects, arrays, strings,
 * whole numbers, true, false, null): what this library takes from a record
 * that the C API gives no other way, a valid number's nationality.
 */
final class RecordJson {
    private final String text;
    private int at;

    private RecordJson(String text) {
        this.text = text;
    }

    /** The value the text holds: a Map, a List, a String, a Long, a Boolean or null. */
    static Object parse(String text) {
        RecordJson reader = new RecordJson(text);
        Object value = reader.value();
        reader.blanks();
        if (reader.at != text.length()) {
            throw reader.error();
        }
        return value;
    }

    private Object value() {
        blanks();
        if (at >= text.length()) {
            throw error();
        }
        char c = text.charAt(at);
        switch (c) {
        case '{':
            return object();
        case '[':
            return array();
        case '"':
            return string();
        case 't':
            return literal("true", Boolean.TRUE);
        case 'f':
            return literal("false", Boolean.FALSE);
        case 'n':
            return literal("null", null);
        default:
            return number();
        }
    }

    private Map<String, Object> object() {
        Map<String, Object> object = new LinkedHashMap<String, Object>();
        at++;
        blanks();
        if (peek() == '}') {
            at++;
            return object;
        }
        while (true) {
            blanks();
            if (peek() != '"') {
                throw error();
            }
            String key = string();
            blanks();
            expect(':');
            object.put(key, value());
            blanks();
            if (peek() == ',') {
                at++;
                continue;
            }
            expect('}');
            return object;
        }
    }

    private List<Object> array() {
        List<Object> array = new ArrayList<Object>();
        at++;
        blanks();
        if (peek() == ']') {
            at++;
            return array;
        }
        while (true) {
            array.add(value());
            blanks();
            if (peek() == ',') {
                at++;
                continue;
            }
            expect(']');
            return array;
        }
    }

    private String string() {
        StringBuilder out = new StringBuilder();
        at++;
        while (at < text.length()) {
            char c = text.charAt(at++);
            if (c == '"') {
                return out.toString();
            }
            if (c != '\\') {
                out.append(c);
                continue;
            }
            if (at >= text.length()) {
                break;
            }
            char escaped = text.charAt(at++);
            switch (escaped) {
            case 'b':
                out.append('\b');
                break;
            case 'f':
                out.append('\f');
                break;
            case 'n':
                out.append('\n');
                break;
            case 'r':
                out.append('\r');
                break;
            case 't':
                out.append('\t');
                break;
            case 'u':
                if (at + 4 > text.length()) {
                    throw error();
                }
                out.append((char) Integer.parseInt(text.substring(at, at + 4), 16));
                at += 4;
                break;
            default:
                out.append(escaped);
            }
        }
        throw error();
    }

    private Long number() {
        int start = at;
        if (peek() == '-') {
            at++;
        }
        while (at < text.length() && Character.isDigit(text.charAt(at))) {
            at++;
        }
        try {
            return Long.valueOf(text.substring(start, at));
        } catch (NumberFormatException e) {
            throw error();
        }
    }

    private Object literal(String word, Object value) {
        if (!text.startsWith(word, at)) {
            throw error();
        }
        at += word.length();
        return value;
    }

    private void blanks() {
        while (at < text.length() && (text.charAt(at) == ' ' || text.charAt(at) == '\n' || text.charAt(at) == '\r'
            || text.charAt(at) == '\t')) {
            at++;
        }
    }

    private char peek() {
        return at < text.length() ? text.charAt(at) : '\0';
    }

    private void expect(char c) {
        if (peek() != c) {
            throw error();
        }
        at++;
    }

    private IllegalStateException error() {
        return new IllegalStateException("idnumber: the C API wrote a record this library cannot read, at "
            + at + ": " + text);
    }
}
