// SPDX-License-Identifier: MIT
#include "html_escape.h"

#include <gtest/gtest.h>

namespace {

TEST(HtmlEscapeTest, MarkupCharactersBecomeEntitiesAndTextStaysAsItIs)
{
    EXPECT_EQ(page::escapedHtml(R"(<b title="x">A & B</b>)"),
              "&lt;b title=&quot;x&quot;&gt;A &amp; B&lt;/b&gt;");
    // An entity already written is escaped again, so it shows as typed.
    EXPECT_EQ(page::escapedHtml("&amp;"), "&amp;amp;");
    EXPECT_EQ(page::escapedHtml("Въведено „100 английски“, място 1 от 1."),
              "Въведено „100 английски“, място 1 от 1.");
    EXPECT_EQ(page::escapedHtml("it's\r\n"), "it's\r\n");
    EXPECT_EQ(page::escapedHtml(""), "");
}

} // namespace
