// SHA-256 against FIPS 180-4's examples (and the portable implementation
// against the system's on other messages), HMAC-SHA-256 against RFC 4231's
// test cases, and the keyed permutation: a bijection over whole domains,
// fixed by its key and tweak.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/hmac_sha256.h"
#include "core/keyed_permutation.h"
#include "core/sha256.h"

namespace {

std::string hexOf(const unsigned char* bytes, std::size_t count) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (std::size_t i = 0; i < count; ++i) {
        hex += digits[bytes[i] >> 4];
        hex += digits[bytes[i] & 15];
    }
    return hex;
}

ByteSpan spanOf(const std::string& text) { return {reinterpret_cast<const unsigned char*>(text.data()), text.size()}; }

std::string systemDigest(const std::vector<std::string>& parts) {
    std::vector<ByteSpan> spans;
    for (const std::string& part : parts) spans.push_back(spanOf(part));
    unsigned char digest[sha256Length];
    EXPECT_TRUE(sha256(spans.data(), spans.size(), digest));
    return hexOf(digest, sizeof digest);
}

std::string portableDigest(const std::vector<std::string>& parts) {
    std::vector<ByteSpan> spans;
    for (const std::string& part : parts) spans.push_back(spanOf(part));
    unsigned char digest[sha256Length];
    sha256Portable(spans.data(), spans.size(), digest);
    return hexOf(digest, sizeof digest);
}

TEST(Sha256, StandardExamplesFromBothImplementations) {
    struct Example {
        std::string message;
        const char* digest;
    };
    const Example examples[] = {
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
    };
    for (const Example& example : examples) {
        SCOPED_TRACE(example.message.substr(0, 20));
        EXPECT_EQ(systemDigest({example.message}), example.digest) << sha256Provider();
        EXPECT_EQ(portableDigest({example.message}), example.digest);
    }
}

TEST(Sha256, PortableAgreesWithTheSystemAtEveryLengthAndSplit) {
    // Lengths around the padding's edges (55, 56, 64) and parts of any size.
    std::mt19937 random(7);
    for (std::size_t length = 0; length < 300; ++length) {
        std::string message(length, '\0');
        for (char& byte : message) byte = static_cast<char>(random());
        const std::size_t cut = length == 0 ? 0 : random() % length;
        const std::vector<std::string> parts = {message.substr(0, cut), "", message.substr(cut)};
        EXPECT_EQ(portableDigest(parts), systemDigest({message})) << length;
        EXPECT_EQ(systemDigest(parts), systemDigest({message})) << length;
    }
}

TEST(HmacSha256, Rfc4231TestCases) {
    struct Case {
        std::string key, data;
        const char* mac;
        std::size_t macBytes;
    };
    std::string key4;
    for (int i = 1; i <= 25; ++i) key4 += static_cast<char>(i);
    const Case cases[] = {
        {std::string(20, '\x0b'), "Hi There", "b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7", 32},
        {"Jefe", "what do ya want for nothing?", "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843",
         32},
        {std::string(20, '\xaa'), std::string(50, '\xdd'),
         "773ea91e36800e46854db8ebd09181a72959098b3ef8c122d9635514ced565fe", 32},
        {key4, std::string(50, '\xcd'), "82558a389a443c0ea4cc819899f2083a85f0faa3e578f8077a2e3ff46729665b", 32},
        {std::string(20, '\x0c'), "Test With Truncation", "a3b6167473100ee06e0c796c2955552b", 16},
        {std::string(131, '\xaa'), "Test Using Larger Than Block-Size Key - Hash Key First",
         "60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54", 32},
        {std::string(131, '\xaa'),
         "This is a test using a larger than block-size key and a larger than block-size data. The key needs to be "
         "hashed before being used by the HMAC algorithm.",
         "9b09ffa71b942fcb27635fbcd5b0e944bfdc63644f0713938a7f51535c3a35e2", 32},
    };
    int number = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(number++);
        HmacKey key;
        ASSERT_TRUE(prepareHmacKey(reinterpret_cast<const unsigned char*>(c.key.data()), c.key.size(), key));
        const ByteSpan data = spanOf(c.data);
        unsigned char mac[sha256Length];
        ASSERT_TRUE(hmacSha256(key, &data, 1, mac));
        EXPECT_EQ(hexOf(mac, c.macBytes), c.mac);
        // The same message in parts.
        const std::string head = c.data.substr(0, 3), tail = c.data.substr(3);
        const ByteSpan parts[2] = {spanOf(head), spanOf(tail)};
        unsigned char split[sha256Length];
        ASSERT_TRUE(hmacSha256(key, parts, 2, split));
        EXPECT_EQ(hexOf(split, c.macBytes), c.mac);
    }
}

HmacKey testKey(const char* text) {
    HmacKey key;
    prepareHmacKey(reinterpret_cast<const unsigned char*>(text), std::char_traits<char>::length(text), key);
    return key;
}

TEST(KeyedPermutation, IsABijectionOverWholeDomains) {
    const HmacKey key = testKey("a key of sixteen bytes or more");
    const unsigned char tweak[] = {'t'};
    // Sizes of one, of a power of two, just past one (the walk's worst), and
    // a prime.
    for (const uint64_t size : {uint64_t{1}, uint64_t{2}, uint64_t{3}, uint64_t{256}, uint64_t{257}, uint64_t{4099}}) {
        std::vector<bool> seen(static_cast<std::size_t>(size), false);
        int moved = 0;
        for (uint64_t index = 0; index < size; ++index) {
            uint64_t image = 0;
            ASSERT_TRUE(permuteIndex(key, tweak, sizeof tweak, size, index, image));
            ASSERT_LT(image, size);
            ASSERT_FALSE(seen[static_cast<std::size_t>(image)]) << size << ": " << index << " meets an image already taken";
            seen[static_cast<std::size_t>(image)] = true;
            if (image != index) ++moved;
        }
        if (size > 3) {
            EXPECT_GT(moved, static_cast<int>(size / 2)) << size;
        }
    }
}

TEST(KeyedPermutation, KeyAndTweakChooseThePermutation) {
    const HmacKey key = testKey("a key of sixteen bytes or more");
    const HmacKey other = testKey("another key of sixteen bytes");
    const unsigned char tweak[] = {'a'}, otherTweak[] = {'b'};
    const uint64_t size = 1000000007;
    int sameForKey = 0, sameForTweak = 0;
    for (uint64_t index = 0; index < 200; ++index) {
        uint64_t image = 0, again = 0, byKey = 0, byTweak = 0;
        ASSERT_TRUE(permuteIndex(key, tweak, 1, size, index * 7919, image));
        ASSERT_TRUE(permuteIndex(key, tweak, 1, size, index * 7919, again));
        ASSERT_TRUE(permuteIndex(other, tweak, 1, size, index * 7919, byKey));
        ASSERT_TRUE(permuteIndex(key, otherTweak, 1, size, index * 7919, byTweak));
        EXPECT_EQ(image, again);
        sameForKey += image == byKey;
        sameForTweak += image == byTweak;
    }
    EXPECT_LT(sameForKey, 2);
    EXPECT_LT(sameForTweak, 2);
    uint64_t image = 0;
    EXPECT_FALSE(permuteIndex(key, tweak, 1, 10, 10, image));
    EXPECT_FALSE(permuteIndex(key, tweak, 1, 0, 0, image));
    EXPECT_FALSE(permuteIndex(key, tweak, 1, maxPermutationSize + 1, 0, image));
    EXPECT_TRUE(permuteIndex(key, tweak, 1, maxPermutationSize, maxPermutationSize - 1, image));
}

}  // namespace
