package org.idnumbertool.idnumber;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertTrue;
import static org.junit.jupiter.api.Assumptions.assumeTrue;

import com.google.gson.JsonObject;
import com.google.gson.JsonParser;
import java.io.BufferedReader;
import java.io.InputStreamReader;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.Random;
import java.util.concurrent.TimeUnit;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.io.TempDir;

/**
 * The Java API against idtool, the project's command line, on the same
 * input: every field of every record of a batch of 10^6 lines (the file the
 * system property idnumber.lines names, else lines made here), and the
 * numbers of generate for the same options.
 */
class IdtoolAgreementTest {
    /** Lines whose records have every field idtool writes: hints, kinds, nationalities, history. */
    private static final List<String> VARIED = Arrays.asList("11010519491231002X", "330124198001010024",
        "510222198001010039", "231019198601010010", "911840199001010018", "911999199001010014",
        "810000199001010019", "830000200001010018", "110105194902310018", "110105194900000016",
        "110105000101010017", "999999199001010016", "000000199001010018", "110105491231002", "1.10105E+17",
        "110105194912310000", "11010519491231002x", "１１０１０５１９４９１２３１００２Ｘ", "1101 0519 4912 3100 2X",
        "110105-19491231-002X", "11010519491231002X\t", "", "中", "\uFEFF11010519491231002X", "110105209901010020",
        "110105194913010029", "110105194912320025", "1101051949123100A2", "11010519491231002😀",
        "1111111111111111111111111111111111111111111111111111111111111111", "=1+1", "@SUM(A1)");

    private static Path idtool() {
        String path = System.getProperty("idnumber.idtool", "");
        assumeTrue(!path.isEmpty() && Files.isExecutable(Paths.get(path)),
                   "idtool at the system property idnumber.idtool");
        return Paths.get(path);
    }

    @Test
    void everyRecordOfABatchIsIdtools(@TempDir Path folder) throws Exception {
        Path idtool = idtool();
        List<String> lines = new ArrayList<>();
        String given = System.getProperty("idnumber.lines", "");
        if (!given.isEmpty()) {
            lines.addAll(Files.readAllLines(Paths.get(given), StandardCharsets.UTF_8));
        } else {
            lines.addAll(madeLines(100000));
        }
        for (int i = 0; i < 20; i++) {
            lines.addAll(VARIED);
        }
        Path file = folder.resolve("lines.txt");
        Files.write(file, lines, StandardCharsets.UTF_8);

        Verdicts verdicts = IdNumber.verifyMany(lines);
        assertEquals(lines.size(), verdicts.size());
        Process process = new ProcessBuilder(idtool.toString(), "--no-progress", "verify", "--format", "jsonl",
                                             file.toString()).redirectError(ProcessBuilder.Redirect.INHERIT).start();
        int count = 0;
        int valid = 0;
        try (BufferedReader records = new BufferedReader(new InputStreamReader(process.getInputStream(),
                                                                                StandardCharsets.UTF_8))) {
            String line;
            while ((line = records.readLine()) != null) {
                JsonObject expected = JsonParser.parseString(line).getAsJsonObject();
                int index = count++;
                assertEquals(index + 1, expected.get("line").getAsInt());
                Verdict verdict = verdicts.get(index);
                assertEquals(Records.without(expected, "line", "input"), Records.record(verdict),
                             "line " + (index + 1) + ": " + lines.get(index));
                assertEquals(expected.get("input").getAsString(), verdict.getInput(), "line " + (index + 1));
                // The columns say what the records say.
                assertEquals(verdict.isValid(), verdicts.isValid(index));
                assertEquals(verdict.getReason(), verdicts.getReason(index));
                assertEquals(verdict.getSex(), verdicts.getSex(index));
                assertEquals(verdict.getBirthDate(), verdicts.getBirthDate(index));
                assertEquals(verdict.getRegionCode(), verdicts.getRegionCode(index));
                assertEquals(verdict.getExpectedCheck(), verdicts.getExpectedCheck(index));
                valid += verdict.isValid() ? 1 : 0;
                if (index % 101 == 0) {
                    assertEquals(verdict, IdNumber.verify(lines.get(index)), "one verify, line " + (index + 1));
                }
            }
        }
        assertTrue(process.waitFor(60, TimeUnit.SECONDS));
        assertEquals(lines.size(), count, "a record for every line");
        assertEquals(valid, verdicts.getValidCount());
    }

    /** Numbers of every county of the tables, and as many refused texts as idtool's benchmark file has. */
    private static List<String> madeLines(int count) {
        List<Region> counties = new ArrayList<>();
        for (Region region : IdNumber.regions("")) {
            if (region.getLevel().equals("county")) {
                counties.add(region);
            }
        }
        Random random = new Random(8);
        List<String> lines = new ArrayList<>(count);
        int perCounty = count / counties.size() + 1;
        for (Region county : counties) {
            for (String number : IdNumber.generate(GenerateOptions.builder().region(county.getCode())
                .bornFrom("19500101").bornTo("20091231").count(perCounty).seed(random.nextLong()).build())) {
                int draw = random.nextInt(10);
                lines.add(draw < 7 ? number : draw == 7 ? number.substring(0, 17) : draw == 8
                    ? number.substring(0, 17) + (number.charAt(17) == '1' ? '2' : '1') : number.substring(0, 16) + "a");
            }
        }
        return lines.subList(0, count);
    }

    @Test
    void generationIsIdtools(@TempDir Path folder) throws Exception {
        Path idtool = idtool();
        String[][] runs = {
            {"--region", "140302", "--born-between", "19800101", "19891231", "--sex", "female", "--count", "2000",
                "--seed", "42"},
            {"--region", "山西省/阳泉市/城区", "--birth", "19900101", "--count", "999", "--seed", "0"},
            {"--region", "330124", "--as-of", "1990", "--birth", "19800101", "--sex", "male", "--count", "10",
                "--seed", "18446744073709551615"},
            {"--region", "110105", "--birth", "20230231", "--count", "3", "--seed", "9223372036854775808"},
        };
        GenerateOptions[] options = {
            GenerateOptions.builder().region(140302).bornFrom("19800101").bornTo("19891231").sex(Sex.FEMALE)
                .count(2000).seed(42).build(),
            GenerateOptions.builder().region("山西省/阳泉市/城区").birth("19900101").count(999).seed(0).build(),
            GenerateOptions.builder().region("330124").asOfYear(1990).birth("19800101").sex("male").count(10)
                .seed(-1L).build(),
            GenerateOptions.builder().region("110105").birth("20230231").count(3).seed(Long.MIN_VALUE).build(),
        };
        for (int i = 0; i < runs.length; i++) {
            List<String> command = new ArrayList<>(Arrays.asList(idtool.toString(), "--no-progress", "generate"));
            command.addAll(Arrays.asList(runs[i]));
            Process process = new ProcessBuilder(command).redirectError(folder.resolve("stderr").toFile()).start();
            List<String> expected = new ArrayList<>();
            try (BufferedReader out = new BufferedReader(new InputStreamReader(process.getInputStream(),
                                                                                StandardCharsets.UTF_8))) {
                String line;
                while ((line = out.readLine()) != null) {
                    expected.add(line);
                }
            }
            assertTrue(process.waitFor(60, TimeUnit.SECONDS));
            assertEquals(0, process.exitValue(), String.join(" ", command));
            GeneratedNumbers numbers = IdNumber.generate(options[i]);
            assertEquals(expected, numbers.toList(), String.join(" ", command));
            assertEquals(expected.size(), numbers.stream().distinct().count(), "distinct");
        }
        assertNull(IdNumber.generate(options[0]).getWarning().orElse(null));
    }
}
