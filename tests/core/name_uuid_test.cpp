#include "core/name_uuid.h"

#include <gtest/gtest.h>
#include <string>

using quillet::core::nameUuid;

// RFC 4122's DNS namespace, whose version 5 UUIDs other tools give too.
TEST(NameUuid, MatchesWhatOtherToolsGiveForTheSameNamespaceAndName) {
    const quillet::core::UuidNamespace dns = {0x6b, 0xa7, 0xb8, 0x10, 0x9d, 0xad, 0x11, 0xd1,
                                              0x80, 0xb4, 0x00, 0xc0, 0x4f, 0xd4, 0x30, 0xc8};
    const struct {
        std::string name;
        const char* uuid;
    } cases[] = {{"python.org", "886313e1-3b8a-5372-9b90-0c9aee199e5d"},
                 {"", "4ebd0208-8328-5d69-8c44-ec50939c0967"},
                 {std::string(100, 'a'), "56596f37-716c-57a9-a735-2561f8608390"}};
    for (const auto& [name, uuid] : cases) {
        EXPECT_EQ(nameUuid(dns, name), uuid) << name;
    }
    EXPECT_EQ(nameUuid("ann@x.org"), nameUuid("ann@x.org"));
    EXPECT_NE(nameUuid("ann@x.org"), nameUuid("bob@x.org"));
}
