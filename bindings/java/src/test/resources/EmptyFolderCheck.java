import org.idnumbertool.idnumber.GenerateOptions;
import org.idnumbertool.idnumber.IdNumber;
import org.idnumbertool.idnumber.SqlFunctions;
import org.idnumbertool.idnumber.Verdict;

/**
 * Run by PackagedJarTest in a fresh JVM, in an empty folder holding only the
 * jar and JNA's: java -cp idnumber.jar:jna.jar EmptyFolderCheck.java
 * (Chinese texts are written as escapes, whatever the JVM's encoding.)
 */
public class EmptyFolderCheck {
    public static void main(String[] arguments) {
        Verdict verdict = IdNumber.verify("11010519491231002X");
        System.out.println("verify " + verdict.isValid() + " " + verdict.getBirthDate().get() + " "
            + verdict.getCity().get().equals("\u671d\u9633\u533a"));
        System.out.println("batch " + IdNumber.verifyMany(new String[] {"11010519491231002X", "1"}).getValidCount());
        System.out.println("generate " + IdNumber.generate(GenerateOptions.builder().region("110105")
            .birth("19491001").count(2).seed(7).build()).toList());
        System.out.println("sql " + SqlFunctions.valid("11010519491231002X") + " "
            + "\u5317\u4eac\u5e02".equals(SqlFunctions.province("11010519491231002X")));
        System.out.println("version " + IdNumber.version());
        System.err.println("EmptyFolderCheck ran on Java " + System.getProperty("java.version"));
    }
}
