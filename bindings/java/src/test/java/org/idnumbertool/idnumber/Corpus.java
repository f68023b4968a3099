package org.idnumbertool.idnumber;

import static org.junit.jupiter.api.Assumptions.assumeTrue;

import com.google.gson.JsonElement;
import com.google.gson.JsonObject;
import com.google.gson.JsonParser;
import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.List;

/**
 * The conformance corpus (tests/conformance): its cases, and its text forms
 * made into Java strings (UTF-16 units, lone surrogates kept) or into the
 * bytes a byte host passes (UTF-8, each lone surrogate as U+FFFD).
 */
final class Corpus {
    private Corpus() {
    }

    /** The folder of the corpus: the system property idnumber.corpus. */
    static Path folder() {
        String folder = System.getProperty("idnumber.corpus", "");
        assumeTrue(!folder.isEmpty(), "the system property idnumber.corpus names the corpus's folder");
        return Paths.get(folder);
    }

    /** The cases of a section: its objects, without the comment strings. */
    static List<JsonObject> load(String section) throws IOException {
        String text = new String(Files.readAllBytes(folder().resolve(section + ".json")), StandardCharsets.UTF_8);
        List<JsonObject> cases = new ArrayList<>();
        for (JsonElement entry : JsonParser.parseString(text).getAsJsonArray()) {
            if (entry.isJsonObject()) {
                cases.add(entry.getAsJsonObject());
            }
        }
        return cases;
    }

    /** Whether a form is text, which a Java String holds, rather than raw bytes. */
    static boolean isText(JsonElement form) {
        if (form.isJsonPrimitive()) {
            return true;
        }
        JsonObject object = form.getAsJsonObject();
        if (object.has("hex")) {
            return false;
        }
        if (object.has("repeat")) {
            return isText(object.get("repeat"));
        }
        if (object.has("parts")) {
            for (JsonElement part : object.getAsJsonArray("parts")) {
                if (!isText(part)) {
                    return false;
                }
            }
        }
        return true;
    }

    /** The String of a text form, lone surrogates as they are. */
    static String text(JsonElement form) {
        if (form.isJsonPrimitive()) {
            return form.getAsString();
        }
        JsonObject object = form.getAsJsonObject();
        if (object.has("utf16")) {
            StringBuilder out = new StringBuilder();
            for (String unit : object.get("utf16").getAsString().split(" ")) {
                out.append((char) Integer.parseInt(unit, 16));
            }
            return out.toString();
        }
        if (object.has("repeat")) {
            String piece = text(object.get("repeat"));
            int times = object.get("times").getAsInt();
            StringBuilder out = new StringBuilder(piece.length() * times);
            for (int i = 0; i < times; i++) {
                out.append(piece);
            }
            return out.toString();
        }
        StringBuilder out = new StringBuilder();
        for (JsonElement part : object.getAsJsonArray("parts")) {
            out.append(text(part));
        }
        return out.toString();
    }

    /** The bytes of a form: raw bytes as they are, text as UTF-8 with a lone surrogate as U+FFFD. */
    static byte[] bytes(JsonElement form) {
        if (form.isJsonPrimitive() || form.getAsJsonObject().has("utf16")) {
            return utf8(text(form));
        }
        JsonObject object = form.getAsJsonObject();
        ByteArrayOutputStream out = new ByteArrayOutputStream();
        if (object.has("hex")) {
            for (String hex : object.get("hex").getAsString().split(" ")) {
                out.write(Integer.parseInt(hex, 16));
            }
        } else if (object.has("repeat")) {
            byte[] piece = bytes(object.get("repeat"));
            int times = object.get("times").getAsInt();
            for (int i = 0; i < times; i++) {
                out.write(piece, 0, piece.length);
            }
        } else {
            for (JsonElement part : object.getAsJsonArray("parts")) {
                byte[] piece = bytes(part);
                out.write(piece, 0, piece.length);
            }
        }
        return out.toByteArray();
    }

    /**
     * UTF-8 of a string with lone surrogates as U+FFFD, written out here
     * independently of the library's encoder (String.getBytes writes '?').
     */
    static byte[] utf8(String text) {
        StringBuilder fixed = new StringBuilder(text.length());
        for (int i = 0; i < text.length(); i++) {
            char c = text.charAt(i);
            if (Character.isHighSurrogate(c) && i + 1 < text.length() && Character.isLowSurrogate(text.charAt(i + 1))) {
                fixed.append(c).append(text.charAt(++i));
            } else {
                fixed.append(Character.isSurrogate(c) ? '\uFFFD' : c);
            }
        }
        return fixed.toString().getBytes(StandardCharsets.UTF_8);
    }
}
