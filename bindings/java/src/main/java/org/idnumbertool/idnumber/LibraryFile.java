package org.idnumbertool.idnumber;

import java.io.ByteArrayOutputStream;
import java.io.File;
import java.io.IOException;
import java.io.InputStream;
import java.lang.reflect.Method;
import java.nio.file.DirectoryStream;
import java.nio.file.FileSystemException;
import java.nio.file.Files;
import java.nio.file.LinkOption;
import java.nio.file.Path;
import java.nio.file.StandardCopyOption;
import java.nio.file.attribute.FileTime;
import java.nio.file.attribute.PosixFileAttributeView;
import java.nio.file.attribute.PosixFileAttributes;
import java.nio.file.attribute.PosixFilePermission;
import java.nio.file.attribute.UserPrincipal;
import java.security.MessageDigest;
import java.security.NoSuchAlgorithmException;
import java.util.Arrays;
import java.util.Set;
import java.util.concurrent.TimeUnit;

/**
 * The file the jar's native library is loaded from: the resource copied once
 * into JNA's temporary folder under a name that its content fixes
 * ({@code idnumber-<hash>.so}, the hash of its bytes: one file for each
 * build of the library), and used as it is by every later run and
 * every class loader, so that a JVM killed at any time leaves no copy of its
 * own behind and the process maps one library however many loaders load the
 * jar. A file already there is used only when it holds the very bytes of the
 * jar's resource and only its owner, this user, may write it; else a copy of
 * this JVM's own is loaded and removed at once (or at exit, where the system
 * cannot remove a loaded library). Partial copies a killed JVM left are
 * removed.
 */
final class LibraryFile {
    /** What the names of the copies start with, and what a partial copy's name ends with. */
    static final String PREFIX = "idnumber-";
    static final String PARTIAL = ".tmp";
    /** A partial copy older than this is one a JVM stopped writing. */
    private static final long STALE_MILLIS = TimeUnit.MINUTES.toMillis(10);
    private static final int HASH_HEX_DIGITS = 16;

    /** The path to load, and whether it is this JVM's own copy, to remove once loaded. */
    final String path;
    final boolean ownCopy;

    private LibraryFile(Path path, boolean ownCopy) {
        this.path = path.toAbsolutePath().toString();
        this.ownCopy = ownCopy;
    }

    /** The file for the jar's resource (such as "/linux-x86-64/libidnumber.so"), in JNA's temporary folder. */
    static LibraryFile of(String resource) throws IOException {
        return of(resource, temporaryFolder());
    }

    static LibraryFile of(String resource, Path folder) throws IOException {
        byte[] bytes = read(resource);
        String fileName = resource.substring(resource.lastIndexOf('/') + 1);
        String extension = fileName.substring(fileName.lastIndexOf('.'));
        Path target = folder.resolve(PREFIX + hash(bytes) + extension);
        removePartialCopies(folder);
        if (isTrusted(target, bytes, folder)) {
            return new LibraryFile(target, false);
        }
        Path partial = Files.createTempFile(folder, target.getFileName() + ".", PARTIAL);
        try {
            Files.write(partial, bytes);
            try {
                Files.move(partial, target, StandardCopyOption.ATOMIC_MOVE, StandardCopyOption.REPLACE_EXISTING);
                return new LibraryFile(target, false);
            } catch (FileSystemException e) {
                // Another user's file (in a folder of sticky bit), or a loaded one the system will not replace:
                // this JVM's own copy then.
                return new LibraryFile(partial, true);
            }
        } catch (IOException | RuntimeException e) {
            Files.deleteIfExists(partial);
            throw e;
        }
    }

    /** Removes this JVM's own copy once it is loaded (a loaded library stays mapped), or at exit where it cannot. */
    void loaded() {
        if (ownCopy) {
            File file = new File(path);
            if (!file.delete()) {
                file.deleteOnExit();
            }
        }
    }

    /**
     * JNA's folder for the libraries it copies (the system property
     * jna.tmpdir, else a folder of the user's cache, ~/.cache/JNA/temp on
     * Linux), the same for this library; the JVM's temporary folder if that
     * JNA cannot say.
     */
    static Path temporaryFolder() throws IOException {
        File folder;
        try {
            Method method = com.sun.jna.Native.class.getDeclaredMethod("getTempDir");
            method.setAccessible(true);
            folder = (File) method.invoke(null);
        } catch (ReflectiveOperationException | RuntimeException e) {
            folder = new File(System.getProperty("java.io.tmpdir"));
        }
        Path path = folder.toPath();
        Files.createDirectories(path);
        return path;
    }

    private static byte[] read(String resource) throws IOException {
        try (InputStream in = LibraryFile.class.getResourceAsStream(resource)) {
            if (in == null) {
                throw new IOException("the jar lacks its library " + resource.substring(1)
                    + " (it was built without it)");
            }
            ByteArrayOutputStream out = new ByteArrayOutputStream(1 << 20);
            byte[] buffer = new byte[1 << 16];
            int n;
            while ((n = in.read(buffer)) > 0) {
                out.write(buffer, 0, n);
            }
            return out.toByteArray();
        }
    }

    private static String hash(byte[] bytes) {
        try {
            byte[] digest = MessageDigest.getInstance("SHA-256").digest(bytes);
            StringBuilder hex = new StringBuilder(HASH_HEX_DIGITS);
            for (int i = 0; i < HASH_HEX_DIGITS / 2; i++) {
                hex.append(Character.forDigit(digest[i] >> 4 & 0xF, 16));
                hex.append(Character.forDigit(digest[i] & 0xF, 16));
            }
            return hex.toString();
        } catch (NoSuchAlgorithmException e) {
            throw new IllegalStateException("every JVM has SHA-256", e);
        }
    }

    /**
     * Whether the file is one to load: a regular file (not a link) holding
     * exactly the bytes, which on a POSIX system this user owns and no one
     * else may write.
     */
    private static boolean isTrusted(Path file, byte[] bytes, Path folder) throws IOException {
        if (!Files.isRegularFile(file, LinkOption.NOFOLLOW_LINKS)) {
            return false;
        }
        PosixFileAttributeView posix = Files.getFileAttributeView(file, PosixFileAttributeView.class,
                                                                   LinkOption.NOFOLLOW_LINKS);
        if (posix != null) {
            PosixFileAttributes attributes = posix.readAttributes();
            Set<PosixFilePermission> permissions = attributes.permissions();
            if (permissions.contains(PosixFilePermission.GROUP_WRITE)
                || permissions.contains(PosixFilePermission.OTHERS_WRITE)
                || !attributes.owner().equals(currentUser(folder))) {
                return false;
            }
        }
        return Files.size(file) == bytes.length && Arrays.equals(Files.readAllBytes(file), bytes);
    }

    /** This process's user, as the owner of a file it makes. */
    private static UserPrincipal currentUser(Path folder) throws IOException {
        Path probe = Files.createTempFile(folder, PREFIX, PARTIAL);
        try {
            return Files.getOwner(probe);
        } finally {
            Files.delete(probe);
        }
    }

    /** Removes the partial copies (idnumber-*.tmp) that no JVM has written to for a while. */
    private static void removePartialCopies(Path folder) {
        long before = System.currentTimeMillis() - STALE_MILLIS;
        try (DirectoryStream<Path> partials = Files.newDirectoryStream(folder, PREFIX + "*" + PARTIAL)) {
            for (Path partial : partials) {
                try {
                    FileTime modified = Files.getLastModifiedTime(partial, LinkOption.NOFOLLOW_LINKS);
                    if (modified.toMillis() < before) {
                        Files.deleteIfExists(partial);
                    }
                } catch (IOException e) {
                    // Loaded by a running JVM where the system keeps it, or removed by another: left alone.
                }
            }
        } catch (IOException e) {
            // A folder that cannot be listed keeps its files; loading goes on.
        }
    }
}
