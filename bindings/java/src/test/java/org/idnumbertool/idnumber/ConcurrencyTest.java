package org.idnumbertool.idnumber;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.util.ArrayList;
import java.util.Collections;
import java.util.HashSet;
import java.util.List;
import java.util.Random;
import java.util.concurrent.Callable;
import java.util.concurrent.CountDownLatch;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.Future;
import java.util.concurrent.TimeUnit;
import org.junit.jupiter.api.Test;

/**
 * Eight threads at once, started together, through every kind of call
 * (single verdicts, batches, generation from one shared generator, masks,
 * regions, the SQL functions), each giving exactly the answers one thread
 * gives alone. The texts hold numbers of region codes no other test reads
 * first, so the threads also fill the cache of region answers together.
 */
class ConcurrencyTest {
    private static final int THREADS = 8;

    @Test
    void eightThreadsGetWhatOneGets() throws Exception {
        List<String> texts = texts();
        GeneratedNumbers shared = IdNumber.generate(GenerateOptions.builder().region("140302")
            .bornFrom("19500101").bornTo("20001231").count(20000).seed(11).build());
        CountDownLatch start = new CountDownLatch(1);
        ExecutorService pool = Executors.newFixedThreadPool(THREADS);
        try {
            List<Future<List<String>>> results = new ArrayList<>();
            for (int t = 0; t < THREADS; t++) {
                final int thread = t;
                results.add(pool.submit((Callable<List<String>>) () -> {
                    start.await();
                    return answers(texts, shared, thread);
                }));
            }
            start.countDown();
            List<String> alone = null;
            for (Future<List<String>> result : results) {
                List<String> answers = result.get(5, TimeUnit.MINUTES);
                // Each thread read the texts from another place first; put them back in order.
                Collections.sort(answers);
                if (alone == null) {
                    alone = answers(texts, shared, 0);
                    Collections.sort(alone);
                }
                assertEquals(alone.size(), answers.size());
                for (int i = 0; i < alone.size(); i++) {
                    assertEquals(alone.get(i), answers.get(i));
                }
            }
        } finally {
            pool.shutdownNow();
        }
        assertEquals(shared.count(), new HashSet<>(shared.toList()).size(), "distinct numbers");
    }

    /** Every answer for the texts, as text, starting at a place that differs by thread. */
    private static List<String> answers(List<String> texts, GeneratedNumbers shared, int thread) {
        List<String> answers = new ArrayList<>();
        int n = texts.size();
        int offset = thread * n / THREADS;
        for (int k = 0; k < n; k++) {
            int i = (offset + k) % n;
            String text = texts.get(i);
            Verdict verdict = IdNumber.verify(text);
            answers.add(i + " " + Records.record(verdict) + " " + verdict.getBirthDate() + " " + verdict.getLength());
            answers.add(i + " valid " + IdNumber.isValid(text) + " " + SqlFunctions.province(text) + " "
                + SqlFunctions.birthDate(text) + " " + IdNumber.mask(text));
            if (i % 10 == 0) {
                long index = (i * 7919L) % shared.count();
                answers.add(i + " number " + shared.get(index));
            }
        }
        Verdicts batch = IdNumber.verifyMany(texts);
        for (int i = 0; i < n; i += 3) {
            answers.add(i + " batch " + Records.record(batch.get(i)));
        }
        answers.add("regions " + IdNumber.regions("城区").size() + " " + IdNumber.history(330124));
        return answers;
    }

    /** Numbers of 400 county codes (beyond the first ones of the tables), some of them spoiled, and odd texts. */
    private static List<String> texts() {
        List<Region> counties = new ArrayList<>();
        for (Region region : IdNumber.regions("")) {
            if (region.getLevel().equals("county")) {
                counties.add(region);
            }
        }
        Random random = new Random(5);
        List<String> texts = new ArrayList<>();
        for (Region county : counties.subList(counties.size() - 400, counties.size())) {
            for (String number : IdNumber.generate(GenerateOptions.builder().region(county.getCode())
                .bornFrom("19000101").bornTo("20101231").count(3).seed(random.nextLong()).build())) {
                texts.add(random.nextInt(4) == 0 ? number.substring(0, 17) + "x" : number);
            }
        }
        texts.add("911840199001010018");
        texts.add("１１０１０５１９４９１２３１００２Ｘ");
        texts.add("110105491231002");
        texts.add("\uD800" + "1101051949123100");
        assertTrue(texts.size() > 1200);
        return texts;
    }
}
