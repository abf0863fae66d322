#include "base/u_Caption.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TCaptionCase {
    std::string Version;
    bool Beta;
    bool Modified;
    std::string FileName;
    std::string Expected;
};

TEST(Caption, FormsVersionFlagAndNamePart)
{
    const std::vector<TCaptionCase> cases = {
        {"0.1", false, false, "Noname.plx", "Velko's Gridfest v.0.1 -  Noname.plx"},
        {"0.1", false, true, "Noname.plx", "Velko's Gridfest v.0.1 - *Noname.plx"},
        {"2.5", true, false, "Noname.plx", "Velko's Gridfest v.2.5 Beta -  Noname.plx"},
        {"0.1", false, false, "/home/ann/patterns/glider.plx",
         "Velko's Gridfest v.0.1 -  glider.plx"},
        {"0.1", false, true, "C:\\Patterns\\Guns\\gun.rle", "Velko's Gridfest v.0.1 - *gun.rle"},
        {"0.1", false, false, "C:\\mixed/dir\\x.lif", "Velko's Gridfest v.0.1 -  x.lif"},
        {"0.1", false, false, "Clipboard", "Velko's Gridfest v.0.1 -  Clipboard"},
        {"0.1", false, false, "", "Velko's Gridfest v.0.1 -  "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormCaption(c.Version, c.Beta, c.Modified, c.FileName), c.Expected) << c.FileName;
}

TEST(Caption, VersionIsTheBuildsShortVersion)
{
    const std::string version = ProgramVersion();
    EXPECT_FALSE(version.empty());
    EXPECT_EQ(version.find_first_not_of("0123456789."), std::string::npos) << version;
}

} // namespace
