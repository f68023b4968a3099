package org.idnumbertool.idnumber;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.time.LocalDate;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.HashSet;
import java.util.Iterator;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.Optional;
import java.util.OptionalInt;
import java.util.function.BiFunction;
import java.util.stream.Collectors;
import org.junit.jupiter.api.Test;

/** The Java API's own behaviour, beyond what the corpus asks: types, values, ages, generation's forms. */
class ApiTest {
    @Test
    void aVerdictHoldsJavaTypes() {
        Verdict v = IdNumber.verify("11010519491231002X");
        assertTrue(v.isValid());
        assertEquals(Optional.of(LocalDate.of(1949, 12, 31)), v.getBirthDate());
        assertEquals(Optional.of("19491231"), v.getBirthDateText());
        assertEquals(Optional.of(Sex.FEMALE), v.getSex());
        assertEquals("女", v.getSex().get().toString());
        assertEquals("男", Sex.MALE.word());
        assertEquals(Optional.of('X'), v.getExpectedCheck());
        assertEquals(OptionalInt.of(110105), v.getRegionCode());
        assertEquals(Optional.of(Kind.RESIDENT), v.getKind());
        assertEquals(Optional.of(CodeStatus.LISTED_2009), v.getCodeStatus());
        assertEquals("2009", CodeStatus.LISTED_2009.toString());
        assertEquals(OptionalInt.empty(), v.getHistory().get(0).getUntil());
        assertEquals(Optional.of(true), v.getInUseAtBirth());
        assertThrows(UnsupportedOperationException.class, () -> v.getHistory().clear());
        assertEquals(v, IdNumber.verify("11010519491231002X"));
        assertEquals(v.hashCode(), IdNumber.verify("11010519491231002X").hashCode());
        assertEquals(v, IdNumber.verify("11010519491231002X", 1949), "the same verdict under another limit");
        assertNotEquals(v, IdNumber.verify("110105194912310021"));

        Verdict refused = IdNumber.verify("110105194912310021");
        assertEquals(Optional.of(Reason.CHECK), refused.getReason());
        assertEquals("check", Reason.CHECK.toString());
        assertEquals(Optional.of('X'), refused.getExpectedCheck());
        assertFalse(refused.getSex().isPresent() || refused.getProvince().isPresent()
            || refused.getBirthDate().isPresent() || refused.getInUseAtBirth().isPresent());
        assertTrue(refused.getHistory().isEmpty() && refused.getSuccessors().isEmpty() && refused.getNow().isEmpty());

        Verdict foreigner = IdNumber.verify("911840199001010018");
        assertEquals(Optional.of(Kind.FOREIGNER_CARD), foreigner.getKind());
        assertEquals("840", foreigner.getNationality().get().getCode());
        assertEquals(Optional.of("美国"), foreigner.getNationality().get().getName());
        assertEquals(Optional.empty(), IdNumber.verify("911999199001010014").getNationality().get().getName());
    }

    @Test
    void agesAreCompletedYears() {
        Verdict v = IdNumber.verify("11010519491231002X");
        assertEquals(OptionalInt.of(74), v.getAge(LocalDate.of(2024, 12, 30)));
        assertEquals(OptionalInt.of(75), v.getAge(LocalDate.of(2024, 12, 31)));
        assertEquals(OptionalInt.of(0), v.getAge(LocalDate.of(1949, 12, 31)));
        assertEquals(OptionalInt.empty(), v.getAge(LocalDate.of(1949, 12, 30)), "before the birth");
        // Born on 29 February: a year is completed on 1 March of a common year, on 29 February of a leap one.
        String leap = IdNumber.generate(GenerateOptions.builder().region("110105").birth("20000229").seed(1).build())
            .get(0);
        Verdict leapling = IdNumber.verify(leap);
        assertEquals(OptionalInt.of(0), leapling.getAge(LocalDate.of(2001, 2, 28)));
        assertEquals(OptionalInt.of(1), leapling.getAge(LocalDate.of(2001, 3, 1)));
        assertEquals(OptionalInt.of(4), leapling.getAge(LocalDate.of(2004, 2, 29)));
        // No calendar has 19490231: the number is valid, with no birth date and no age.
        Verdict noDate = IdNumber.verify("110105194902310018");
        assertTrue(noDate.isValid());
        assertEquals(Optional.empty(), noDate.getBirthDate());
        assertEquals(Optional.of("19490231"), noDate.getBirthDateText());
        assertEquals(OptionalInt.empty(), noDate.getAge(LocalDate.of(2024, 1, 1)));
        assertEquals("75", String.valueOf(SqlFunctions.age("11010519491231002X", "2024-12-31")));
        assertEquals(null, SqlFunctions.age("110105194902310018", "2024-12-31"));
    }

    @Test
    void verdictsAreAnUnmodifiableListOfColumns() {
        List<String> texts = Arrays.asList("11010519491231002X", "1", "110105194902310018", "11010519491231002x");
        Verdicts verdicts = IdNumber.verifyMany(texts);
        assertEquals(4, verdicts.size());
        assertEquals(2, verdicts.getValidCount());
        assertEquals(java.time.Year.now().getValue(), verdicts.getYearLimit());
        assertEquals(Optional.of(Reason.LENGTH), verdicts.getReason(1));
        assertEquals(Optional.empty(), verdicts.getReason(0));
        assertEquals(Optional.of(Sex.MALE), verdicts.getSex(2));
        assertEquals(Optional.empty(), verdicts.getBirthDate(2));
        assertEquals(Optional.of(LocalDate.of(1949, 12, 31)), verdicts.getBirthDate(0));
        assertEquals(OptionalInt.empty(), verdicts.getRegionCode(3));
        assertEquals(Optional.of('X'), verdicts.getExpectedCheck(3));
        assertThrows(UnsupportedOperationException.class, () -> verdicts.add(null));
        assertThrows(IndexOutOfBoundsException.class, () -> verdicts.get(4));
        assertEquals(Arrays.asList(true, false, true, false),
                     verdicts.stream().map(Verdict::isValid).collect(Collectors.toList()));
        // The result keeps its own copy of the array.
        String[] array = texts.toArray(new String[0]);
        Verdicts ofArray = IdNumber.verifyMany(array);
        array[0] = "changed";
        assertEquals("11010519491231002X", ofArray.get(0).getInput());
    }

    /** Every indexed getter refuses an index outside the batch as get does, an empty batch's first among them. */
    @Test
    void indexedGettersRefuseIndexesOutsideTheBatch() {
        Map<String, BiFunction<Verdicts, Integer, Object>> getters = new LinkedHashMap<>();
        getters.put("get", Verdicts::get);
        getters.put("isValid", Verdicts::isValid);
        getters.put("getReason", Verdicts::getReason);
        getters.put("getExpectedCheck", Verdicts::getExpectedCheck);
        getters.put("getSex", Verdicts::getSex);
        getters.put("getRegionCode", Verdicts::getRegionCode);
        getters.put("getBirthDate", Verdicts::getBirthDate);
        for (String[] texts : Arrays.asList(new String[0], new String[] {"11010519491231002X", "1"})) {
            Verdicts verdicts = IdNumber.verifyMany(texts);
            for (int index : new int[] {texts.length, -1, texts.length + 1, Integer.MAX_VALUE, Integer.MIN_VALUE}) {
                for (Map.Entry<String, BiFunction<Verdicts, Integer, Object>> getter : getters.entrySet()) {
                    IndexOutOfBoundsException e = assertThrows(IndexOutOfBoundsException.class,
                        () -> getter.getValue().apply(verdicts, index),
                        getter.getKey() + "(" + index + ") of " + texts.length + " texts");
                    assertEquals("index " + index + " of " + texts.length + " texts", e.getMessage());
                }
            }
        }
    }

    @Test
    void generationGivesDistinctNumbersInEveryForm() {
        GenerateOptions options = GenerateOptions.builder().region("110105").birth(LocalDate.of(1990, 1, 1))
            .sex(Sex.FEMALE).count(499).seed(6).build();
        GeneratedNumbers numbers = IdNumber.generate(options);
        assertEquals(499, numbers.count());
        List<String> list = numbers.toList();
        assertEquals(499, new HashSet<>(list).size());
        for (String number : list) {
            Verdict v = IdNumber.verify(number);
            assertEquals(Optional.of(Sex.FEMALE), v.getSex());
            assertEquals(Optional.of(LocalDate.of(1990, 1, 1)), v.getBirthDate());
        }
        List<String> iterated = new ArrayList<>();
        Iterator<String> iterator = numbers.iterator();
        while (iterator.hasNext()) {
            iterated.add(iterator.next());
        }
        assertEquals(list, iterated);
        assertEquals(list, numbers.stream().parallel().collect(Collectors.toList()));
        assertEquals(list.get(7), numbers.get(7));
        assertThrows(IndexOutOfBoundsException.class, () -> numbers.get(499));
        assertThrows(IndexOutOfBoundsException.class, () -> numbers.get(-1));
        assertEquals(list, IdNumber.generate(options.toBuilder().sex("女").build()).toList(), "the word");
        assertEquals(list, IdNumber.generate(options.toBuilder().birth("19900101").build()).toList());
        assertEquals(IdNumber.generate(options.toBuilder().seed(-1L).build()).toList(),
                     IdNumber.generate(options.toBuilder().seed(Long.parseUnsignedLong("18446744073709551615")).build())
                         .toList());

        GeneratedNumbers range = IdNumber.generate(GenerateOptions.builder().region("140302")
            .bornBetween(LocalDate.of(2000, 2, 28), LocalDate.of(2000, 3, 1)).count(30).seed(3).build());
        for (String number : range) {
            LocalDate birth = IdNumber.verify(number).getBirthDate().get();
            assertFalse(birth.isBefore(LocalDate.of(2000, 2, 28)) || birth.isAfter(LocalDate.of(2000, 3, 1)));
        }
        // Unseeded runs draw their own seeds.
        GenerateOptions unseeded = GenerateOptions.builder().region("140302").bornFrom("19000101")
            .bornTo("20001231").count(3).build();
        assertNotEquals(IdNumber.generate(unseeded).toList(), IdNumber.generate(unseeded).toList());
    }

    @Test
    void hugeCountsAreReadOneByOne() {
        GeneratedNumbers many = IdNumber.generate(GenerateOptions.builder().region("110105").bornFrom("18000101")
            .bornTo("20201231").count(80000000L).seed(1).build());
        assertEquals(80000000L, many.count());
        assertTrue(IdNumber.isValid(many.get(79999999L)));
        assertEquals(many.get(123456789L % many.count()), many.get(123456789L % many.count()));
    }

    @Test
    void refusalsCarryTheStatusTheOptionAndTheLibrarysWords() {
        IdNumberException count = assertThrows(IdNumberException.class,
            () -> IdNumber.generate(GenerateOptions.builder().region("110105").birth("19900101").count(0).build()));
        assertEquals("IDN_ERROR_COUNT_RANGE", count.getCode());
        assertEquals(-37, count.getStatus());
        assertEquals(Optional.of("count"), count.getOption());
        assertEquals("count: must be a whole number from 1 to 9223372036854775807, not 0", count.getMessage());

        IdNumberException asOf = assertThrows(IdNumberException.class, () -> IdNumber.generate(
            GenerateOptions.builder().region("330124").birth("19800101").asOfYear(0).build()));
        assertEquals("IDN_ERROR_AS_OF_YEAR", asOf.getCode());
        assertEquals("asOfYear: must be a whole number from 1981 to 2024, not 0", asOf.getMessage());

        // The library checks the region before the sex: its order, whatever the word.
        IdNumberException order = assertThrows(IdNumberException.class, () -> IdNumber.generate(
            GenerateOptions.builder().region("火星区").birth("19900101").sex("other").build()));
        assertEquals("IDN_ERROR_REGION_NO_MATCH", order.getCode());

        IdNumberException range = assertThrows(IdNumberException.class, () -> IdNumber.generate(
            GenerateOptions.builder().region("110105").bornFrom("19900102").bornTo("19900101").build()));
        assertEquals(Optional.of("bornFrom"), range.getOption());
        assertTrue(range.getMessage().startsWith("bornFrom 19900102: "), range.getMessage());
        assertTrue(range instanceof IllegalArgumentException);

        // A LocalDate whose year has no four digits is refused as LocalDate writes it.
        IdNumberException negative = assertThrows(IdNumberException.class, () -> IdNumber.generate(
            GenerateOptions.builder().region("110105").birth(LocalDate.of(-5, 1, 1)).build()));
        assertEquals("IDN_ERROR_BIRTH_NOT_EIGHT_DIGITS", negative.getCode());
        assertTrue(negative.getMessage().startsWith("birth -0005-01-01: "), negative.getMessage());
        IdNumberException far = assertThrows(IdNumberException.class, () -> IdNumber.generate(GenerateOptions
            .builder().region("110105").bornBetween(LocalDate.of(1990, 1, 1), LocalDate.of(12345, 1, 1)).build()));
        assertTrue(far.getMessage().startsWith("bornTo +12345-01-01: "), far.getMessage());
        String yearFive = IdNumber.generate(GenerateOptions.builder().region("110105").birth(LocalDate.of(5, 1, 1))
            .seed(1).build()).get(0);
        assertEquals(Optional.of("00050101"), IdNumber.verify(yearFive).getBirthDateText());

        IdNumberException upgrade = assertThrows(IdNumberException.class, () -> IdNumber.upgrade("110105491331002"));
        assertEquals("IDN_ERROR_MONTH_ABOVE_12", upgrade.getCode());
        assertEquals(Optional.empty(), upgrade.getOption());
    }

    @Test
    void regionsAndHistoryAreTheTables() {
        Region county = IdNumber.region(140302).get();
        assertEquals("城区", county.getName());
        assertEquals("county", county.getLevel());
        assertEquals("山西省", county.getProvince());
        assertEquals(Optional.of("阳泉市"), county.getCity());
        Region province = IdNumber.region(140000).get();
        assertEquals("province", province.getLevel());
        assertEquals(Optional.empty(), province.getCity());
        assertEquals(Optional.empty(), IdNumber.region(999999));
        assertEquals(county, IdNumber.regions("140302").get(0));
        assertEquals(140302, IdNumber.resolveRegion("阳泉市/城区"));
        assertEquals(330124, IdNumber.resolveRegion("330124", 1990));
        CodeHistory history = IdNumber.history(330124);
        assertEquals(CodeStatus.ABOLISHED, history.getStatus());
        assertEquals(OptionalInt.of(1996), history.getRecords().get(0).getUntil());
        assertEquals(CodeStatus.ABOLISHED, history.getSuccessors().get(0).getStatus());
        assertEquals(330112, history.getNow().get(0).getCode());
        assertEquals(history, IdNumber.history(330124));
        assertEquals(IdNumber.verify("330124198001010024").getNow(), history.getNow());
    }
}
