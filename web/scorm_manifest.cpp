// SPDX-License-Identifier: MIT
// Writes, at build time, the manifest by which a learning platform imports the
// page as a SCORM 1.2 package: one organisation with one item, the exercise,
// whose one resource is the page, a content object that talks to the
// platform's runtime. The identifier, the version and the files come from the
// build; the title is the exercise's.
//   scorm_manifest OUTPUT IDENTIFIER VERSION PAGE [FILE...]   (PAGE is listed first)
#include "html_escape.h"

#include <form/texts.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace {

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
    if (argc < 5) {
        std::fputs("usage: scorm_manifest OUTPUT IDENTIFIER VERSION PAGE [FILE...]\n", stderr);
        return 2;
    }
    // Text and double-quoted attribute values escape in XML as in HTML.
    std::string files;
    for (int index = 4; index < argc; ++index)
        files += "      <file href=\"" + page::escapedHtml(argv[index]) + "\"/>\n";
    std::string manifest =
        filled(std::string(manifestTemplate), "@IDENTIFIER@", page::escapedHtml(argv[2]));
    manifest = filled(manifest, "@VERSION@", page::escapedHtml(argv[3]));
    manifest = filled(manifest, "@TITLE@", page::escapedHtml(form::texts::title));
    manifest = filled(manifest, "@PAGE@", page::escapedHtml(argv[4]));
    manifest = filled(manifest, "@FILES@", files);
    std::FILE *output = std::fopen(argv[1], "wb");
    const bool written = output && std::fputs(manifest.c_str(), output) >= 0;
    return output && std::fclose(output) == 0 && written ? 0 : 1;
}
