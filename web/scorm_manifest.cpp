// SPDX-License-Identifier: MIT
// Writes, at build time, the manifest by which a learning platform imports the
// page as a SCORM 1.2 package: one organisation with one item, the exercise,
// whose one resource is the page, a content object that talks to the
// platform's runtime. The identifier, the version and the files come from the
// build; the title is the exercise's.
//   scorm_manifest OUTPUT IDENTIFIER VERSION PAGE [FILE...]   (PAGE is listed first)
#include <form/texts.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace {

// Texts go into the manifest as they are: one that would need escaping is refused.
constexpr bool plainText(std::string_view text)
{
    return !text.empty() && text.find_first_of("&<>\"'") == std::string_view::npos;
}

static_assert(plainText(form::texts::title));

// The package's one organisation and item, and the item's one resource.
constexpr std::string_view manifestTemplate = R"(<?xml version="1.0" encoding="UTF-8"?>
<manifest identifier="@IDENTIFIER@" version="@VERSION@"
    xmlns="http://www.imsproject.org/xsd/imscp_rootv1p1p2"
    xmlns:adlcp="http://www.adlnet.org/xsd/adlcp_rootv1p2">
  <metadata>
    <schema>ADL SCORM</schema>
    <schemaversion>1.2</schemaversion>
  </metadata>
  <organizations default="organization">
    <organization identifier="organization">
      <title>@TITLE@</title>
      <item identifier="exercise" identifierref="page" isvisible="true">
        <title>@TITLE@</title>
      </item>
    </organization>
  </organizations>
  <resources>
    <resource identifier="page" type="webcontent" adlcp:scormtype="sco" href="@PAGE@">
@FILES@    </resource>
  </resources>
</manifest>
)";

std::string filled(std::string text, std::string_view placeholder, std::string_view value)
{
    for (std::size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size()))
        text.replace(at, placeholder.size(), value);
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    bool usable = argc >= 5;
    std::string files;
    for (int index = 2; usable && index < argc; ++index) {
        usable = plainText(argv[index]);
        if (index >= 4)
            files += std::string("      <file href=\"") + argv[index] + "\"/>\n";
    }
    if (!usable) {
        std::fputs("usage: scorm_manifest OUTPUT IDENTIFIER VERSION PAGE [FILE...]\n"
                   "  (texts without markup characters)\n",
                   stderr);
        return 2;
    }
    std::string manifest = filled(std::string(manifestTemplate), "@IDENTIFIER@", argv[2]);
    manifest = filled(manifest, "@VERSION@", argv[3]);
    manifest = filled(manifest, "@TITLE@", form::texts::title);
    manifest = filled(manifest, "@PAGE@", argv[4]);
    manifest = filled(manifest, "@FILES@", files);
    std::FILE *output = std::fopen(argv[1], "wb");
    const bool written = output && std::fputs(manifest.c_str(), output) >= 0;
    return output && std::fclose(output) == 0 && written ? 0 : 1;
}
