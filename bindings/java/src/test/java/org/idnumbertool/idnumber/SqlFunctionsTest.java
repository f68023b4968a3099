package org.idnumbertool.idnumber;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.google.gson.JsonObject;
import com.google.gson.JsonParser;
import java.lang.reflect.Constructor;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.util.ArrayList;
import java.util.List;
import org.junit.jupiter.api.Test;

/**
 * The SQL functions called as Hive's and Spark SQL's reflect() call them:
 * the class and method by name, a static method whose parameters take the
 * SQL values (String, or null for NULL), and the result made text by
 * String.valueOf. Hive also makes an instance of the class first.
 */
class SqlFunctionsTest {
    private static final String CLASS = "org.idnumbertool.idnumber.SqlFunctions";

    /** As Spark's CallMethodViaReflection.findMethod: the first public static method of the name and arity. */
    private static Method find(String name, int arity) throws ClassNotFoundException {
        Class<?> type = Class.forName(CLASS, true, Thread.currentThread().getContextClassLoader());
        List<Method> found = new ArrayList<>();
        for (Method method : type.getMethods()) {
            if (method.getName().equals(name) && Modifier.isStatic(method.getModifiers())
                && method.getParameterTypes().length == arity) {
                for (Class<?> parameter : method.getParameterTypes()) {
                    assertTrue(parameter.isAssignableFrom(String.class), name + " takes String arguments");
                }
                found.add(method);
            }
        }
        assertEquals(1, found.size(), "exactly one " + name + " of " + arity + " arguments");
        return found.get(0);
    }

    /**
     * As Hive's GenericUDFReflect finds it: the first public method of the
     * name and arity whose result is a String and whose parameters take the
     * arguments' classes; else getMethod of the arguments' classes.
     */
    private static Method findAsHive(String name, int arity) throws Exception {
        Class<?> type = Class.forName(CLASS);
        for (Method method : type.getMethods()) {
            if (method.getName().equals(name) && String.class.isAssignableFrom(method.getReturnType())
                && method.getParameterTypes().length == arity) {
                return method;
            }
        }
        Class<?>[] strings = new Class<?>[arity];
        java.util.Arrays.fill(strings, String.class);
        return type.getMethod(name, strings);
    }

    /** reflect(CLASS, name, arguments...) as both engines give it: text, 'null' for a Java null. */
    private static String reflect(String name, String... arguments) throws Exception {
        return String.valueOf(find(name, arguments.length).invoke(null, (Object[]) arguments));
    }

    @Test
    void theCommonChecksAsText() throws Exception {
        String number = "11010519491231002X";
        assertEquals("true", reflect("valid", number));
        assertEquals("false", reflect("valid", "11010519491231002x"));
        assertEquals("null", reflect("reason", number));
        assertEquals("characters", reflect("reason", "11010519491231002x"));
        assertEquals("length", reflect("reason", ""));
        assertEquals("1949-12-31", reflect("birthDate", number));
        assertEquals("null", reflect("birthDate", "110105194902310018"), "no calendar has 19490231");
        assertEquals("女", reflect("sex", number));
        assertEquals("北京市", reflect("province", number));
        assertEquals("朝阳区", reflect("city", number));
        assertEquals("", reflect("county", number));
        assertEquals("resident", reflect("kind", number));
        assertEquals("X", reflect("expectedCheck", "110105194912310021"));
        assertEquals("身份证未通过校验", reflect("message", "110105194912310021"));
        assertEquals("110105********002X", reflect("mask", number));
        assertEquals("11010519491231002X", reflect("upgrade", "110105491231002"));
        assertEquals("null", reflect("upgrade", "110105491331002"));
        assertEquals("74", reflect("age", number, "2024-12-30"));
        JsonObject record = JsonParser.parseString(reflect("json", number)).getAsJsonObject();
        assertEquals("朝阳区", record.get("city").getAsString());
        assertEquals(1981, record.getAsJsonArray("history").get(0).getAsJsonObject().get("from").getAsInt());
    }

    /** The date of age() as DATE or as a timestamp's text, as Hive and Spark pass a timestamp to a String. */
    @Test
    void ageTakesTimestampsAsText() throws Exception {
        String number = "11010519491231002X";
        assertEquals("75", reflect("age", number, "2025-01-01"));
        assertEquals("75", reflect("age", number, "2025-01-01 00:00:00"));
        assertEquals("74", reflect("age", number, "2024-12-30 23:59:59.999999999"));
        assertEquals("75", reflect("age", number, "2024-12-31 08:30:00.1"));
        assertEquals("75", reflect("age", number, "2025-01-01T00:00"));
        for (String notATime : new String[] {"2025-01-01 25:00:00", "2025-01-01 ", "2025-01-01 00:00:00 ",
            "2025-02-30 00:00:00", " 2025-01-01", "2025-01-01T", "20250101"}) {
            assertEquals("null", reflect("age", number, notATime), notATime);
        }
    }

    @Test
    void sqlNullGivesNull() throws Exception {
        for (Method method : Class.forName(CLASS).getDeclaredMethods()) {
            if (Modifier.isPublic(method.getModifiers())) {
                Object[] nulls = new Object[method.getParameterTypes().length];
                assertEquals("null", String.valueOf(method.invoke(null, nulls)), method.getName());
            }
        }
    }

    @Test
    void everyFunctionIsFoundByNameAlone() throws Exception {
        String[] oneArgument = {"valid", "reason", "message", "expectedCheck", "birthDate", "sex", "province", "city",
            "county", "kind", "mask", "upgrade", "json"};
        for (String name : oneArgument) {
            assertNotNull(find(name, 1));
        }
        assertNotNull(find("age", 2));
        for (String name : oneArgument) {
            assertEquals(find(name, 1), findAsHive(name, 1), "Hive finds the method Spark finds: " + name);
        }
        assertEquals(find("age", 2), findAsHive("age", 2));
        // Hive makes an instance before it calls (a static method needs none, but it must not fail).
        Constructor<?> constructor = Class.forName(CLASS).getDeclaredConstructor();
        constructor.setAccessible(true);
        assertNotNull(constructor.newInstance());
        for (Method method : Class.forName(CLASS).getMethods()) {
            if (method.getDeclaringClass().getName().equals(CLASS)) {
                Class<?> result = method.getReturnType();
                assertTrue(result == String.class || result == Boolean.class || result == Integer.class,
                           method.getName() + " gives a String, Boolean or Integer");
            }
        }
    }
}
