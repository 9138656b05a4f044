# SPDX-License-Identifier: MIT
"""The page inside a learning platform: the SCORM 1.2 package that a platform
imports, and the page in a frame of a platform's page that holds a SCORM 1.2
runtime (the scorm-again package's Scorm12API, installed from the npm
registry into the build folder for the test only), driven by real mouse
events in headless chromium. What the runtime logged of the page's calls is
compared with the calls written out here."""

import argparse
import json
import pathlib
import re
import subprocess
import sys
import unittest
import xml.etree.ElementTree as ElementTree
import zipfile

import devtools

PAGE = None
PACKAGE = None
IDENTIFIER = None
VERSION = None
TOOLS = None
RUNTIME_PACKAGE = "scorm-again@3.4.3"

TITLE = "Класация на чуждите езици по разпространение"
CP = "{http://www.imsproject.org/xsd/imscp_rootv1p1p2}"
ADLCP = "{http://www.adlnet.org/xsd/adlcp_rootv1p2}"

# The page in the platform's frame, in the test's window.
PAGE_WINDOW = "document.getElementById('platform').contentWindow.frames[0]"
FRAME_READY = ("(p => !!p && !!p.contentWindow.frames[0] && !!p.contentWindow.frames[0].Module"
               " && !!p.contentWindow.frames[0].Module.exercisePage)"
               "(document.getElementById('platform'))")
# The pairs in the order the pupil enters them: the ranking is descending
# whatever the order, and the eighth makes it complete.
PAIRS = [("300", "немски"), ("900", "английски"), ("100", "италиански"), ("700", "китайски"),
         ("500", "испански"), ("800", "арабски"), ("200", "френски"), ("400", "руски")]
RUNTIME = "document.getElementById('platform').contentWindow.runtime"
SESSION_TIME = re.compile(r"^\d{2,4}:\d{2}:\d{2}\.\d{2}$")

# The platform's page, in a frame of the test's window that keeps the log
# when the platform's page is closed: it holds the runtime (the real one, one
# whose calls all fail, one that throws, or the real one already finished,
# which refuses a new session) and the exercise in a frame of its own. Every
# call the page makes is noted with what it returned, beside the runtime's log.
PLATFORM = """<!DOCTYPE html><meta charset="utf-8"><title>platform</title>
<link rel="icon" href="data:,"><script>@RUNTIME_SOURCE@</script>
<script>
const note = (...entry) => top.log.push(entry);
const runtimes = {
  real: () => new Scorm12API({logLevel: 'INFO', onLogMessage: (level, message) =>
    note('runtime', message.split(/\\s+/).join(' '))}),
  failing: () => Object.fromEntries(['LMSInitialize', 'LMSSetValue', 'LMSGetValue', 'LMSCommit',
    'LMSFinish'].map(name => [name, () => name === 'LMSInitialize' ? 'true' : 'false'])
    .concat([['LMSGetLastError', () => '101'], ['LMSGetErrorString', () => 'General exception'],
             ['LMSGetDiagnostic', () => '']])),
  throwing: () => new Proxy({}, {get: () => () => { throw new Error('runtime failure'); }}),
  finished: () => { const api = runtimes.real(); api.LMSInitialize(''); api.LMSFinish('');
                    top.log.length = 0; return api; },
};
window.runtime = runtimes[location.search.slice(1)]();
window.API = new Proxy(runtime, {get: (target, name) => (...values) => {
  let result = 'threw';
  try { result = String(target[name](...values)); }
  finally { note('call', name, ...values, result); }
  return result;
}});
</script>
<iframe src="@PAGE@" width="480" height="380"></iframe>"""
WINDOW = """<!DOCTYPE html><meta charset="utf-8"><title>learning platform</title>
<link rel="icon" href="data:,"><script>window.log = [];</script>
<iframe id="platform" src="@PLATFORM@" width="520" height="420"></iframe>"""


def install_runtime():
    """scorm-again's SCORM 1.2 runtime, from the npm registry into the build folder."""
    script = TOOLS / "node_modules" / "scorm-again" / "dist" / "scorm12.js"
    installed = TOOLS / "node_modules" / "scorm-again" / "package.json"
    wanted = RUNTIME_PACKAGE.split("@")[1]
    if not installed.exists() or json.loads(installed.read_text())["version"] != wanted:
        TOOLS.mkdir(parents=True, exist_ok=True)
        # Everything npm keeps, its cache included, stays in the build folder.
        subprocess.run(["npm", "install", "--prefix", str(TOOLS), "--cache", str(TOOLS / "cache"),
                        "--no-save", "--no-audit", "--no-fund", "--ignore-scripts",
                        "--loglevel=error", RUNTIME_PACKAGE],
                       check=True, stdout=subprocess.DEVNULL, timeout=300)
    return script.read_text(encoding="utf-8")


class PackageTest(unittest.TestCase):
    def test_manifest_lists_exactly_the_package_s_files(self):
        with zipfile.ZipFile(PACKAGE) as package:
            names = package.namelist()
            manifest = ElementTree.fromstring(package.read("imsmanifest.xml"))
            page = package.read(PAGE.name)
        self.assertEqual(sorted(names), ["imsmanifest.xml", "language-ranking.html"])
        self.assertEqual(page, PAGE.read_bytes(), "the page as built")

        self.assertEqual(manifest.tag, CP + "manifest")
        self.assertEqual([manifest.get("identifier"), manifest.get("version")],
                         [IDENTIFIER, VERSION])
        self.assertEqual([manifest.findtext(CP + "metadata/" + CP + field)
                          for field in ("schema", "schemaversion")], ["ADL SCORM", "1.2"])
        organizations = manifest.find(CP + "organizations")
        [organization] = organizations.findall(CP + "organization")
        self.assertEqual(organizations.get("default"), organization.get("identifier"))
        [item] = organization.findall(CP + "item")
        self.assertEqual([organization.findtext(CP + "title"), item.findtext(CP + "title")],
                         [TITLE, TITLE])
        [resource] = manifest.findall(CP + "resources/" + CP + "resource")
        self.assertEqual(item.get("identifierref"), resource.get("identifier"))
        self.assertEqual([resource.get("type"), resource.get(ADLCP + "scormtype"),
                          resource.get("href")], ["webcontent", "sco", "language-ranking.html"])
        listed = [file.get("href") for file in resource.findall(CP + "file")]
        self.assertEqual(sorted(listed + ["imsmanifest.xml"]), sorted(names))


class PlatformTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        platform = PLATFORM.replace("@PAGE@", PAGE.name).replace("@RUNTIME_SOURCE@",
                                                                 install_runtime())
        cls.server = devtools.LoopbackServer(PAGE.parent)
        for runtime in ("real", "failing", "throwing", "finished"):
            cls.server.pages["/platform.html?" + runtime] = platform
            cls.server.pages["/window.html?" + runtime] = WINDOW.replace(
                "@PLATFORM@", "platform.html?" + runtime)
        # A platform that opens the exercise in a window of its own.
        cls.server.pages["/opener.html?real"] = platform.split("<iframe")[0]
        cls.server.pages["/window.html?opener"] = WINDOW.replace("@PLATFORM@", "opener.html?real")
        cls.browser = devtools.Browser(800, 600)
        for domain in ("Runtime", "Log", "Page"):
            cls.browser.send(domain + ".enable")

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.server.close()

    def open(self, runtime):
        self.browser.events.clear()
        self.browser.navigate(self.server.url("window.html?" + runtime), FRAME_READY)

    def close_page(self):
        """The pupil leaves the platform's page, the exercise's frame and all."""
        self.browser.evaluate("document.getElementById('platform').remove()")

    def tearDown(self):
        self.browser.evaluate("0")  # collects the events sent meanwhile
        said = [e for e in self.browser.events if e["method"] in
                ("Runtime.exceptionThrown", "Log.entryAdded", "Runtime.consoleAPICalled")]
        self.assertEqual(said, [], "no console message, policy violation or exception")

    # --- helpers -----------------------------------------------------------

    def log(self, kind):
        """What the platform noted so far: the runtime's own log, or the calls made into it."""
        return [entry[1:] for entry in self.browser.evaluate("log") if entry[0] == kind]

    def runtime_log(self):
        """The runtime's log with each session time checked and replaced by T."""
        lines = []
        for [line] in self.log("runtime"):
            match = re.match(r"^(LMSSetValue : cmi\.core\.session_time :? ?)"
                             r"(\d+:\d\d:\d\d(?:\.\d+)?)(.*)$", line)
            if match:
                self.assertRegex(match[2], SESSION_TIME)
                line = match[1] + "T" + match[3]
            lines.append(line)
        return lines

    def frame_centre(self, expression):
        """The centre, in the window, of an element of the page in the frames."""
        return self.browser.evaluate(
            f"(() => {{ const element = ({expression})({PAGE_WINDOW}.document);"
            " element.scrollIntoView({block: 'nearest'});"
            " const r = element.getBoundingClientRect();"
            " let x = r.left + r.width / 2, y = r.top + r.height / 2;"
            " for (let w = element.ownerDocument.defaultView; w.frameElement; w = w.parent) {"
            "   const frame = w.frameElement, outer = frame.getBoundingClientRect();"
            "   x += outer.left + frame.clientLeft; y += outer.top + frame.clientTop; }"
            " return [x, y]; })()")

    def click_item(self, list_id, text):
        self.browser.click(*self.frame_centre(
            f"doc => [...doc.getElementById('{list_id}').children]"
            f".find(o => o.textContent === {text!r})"))

    def click_button(self, button_id):
        self.browser.click(*self.frame_centre(f"doc => doc.getElementById('{button_id}')"))

    def enter(self, count, language):
        self.click_item("speakersList", count)
        self.click_item("languagesList", language)
        self.click_button("enterButton")

    def in_frame(self, expression):
        return self.browser.evaluate(
            f"(doc => {expression})({PAGE_WINDOW}.document)")

    def ranking(self):
        return self.in_frame("[...doc.getElementById('rankingList').children]"
                             ".map(o => o.textContent)")

    def announcement(self):
        return self.in_frame("doc.getElementById('announcement').textContent")

    def complete_the_ranking(self):
        for count, language in PAIRS:
            self.enter(count, language)
        self.assertEqual(self.ranking(), ["900 английски", "800 арабски", "700 китайски",
                                          "500 испански", "400 руски", "300 немски",
                                          "200 френски", "100 италиански"])

    # --- cases -------------------------------------------------------------

    # The runtime's log of the page's calls, each session time written T: at
    # start, on each change of status, and when the page closes.
    START = ["LMSInitialize : ", "LMSInitialize : returned: true",
             "LMSSetValue : cmi.core.lesson_status incomplete",
             "LMSSetValue : cmi.core.lesson_status : incomplete: result: true",
             "LMSSetValue : cmi.core.session_time T",
             "LMSSetValue : cmi.core.session_time : T: result: true",
             "LMSCommit : ", "LMSCommit : returned: true"]
    COMPLETED = ["LMSSetValue : cmi.core.lesson_status completed",
                 "LMSSetValue : cmi.core.lesson_status : completed: result: true",
                 "LMSSetValue : cmi.core.session_time T",
                 "LMSSetValue : cmi.core.session_time : T: result: true",
                 "LMSCommit : ", "LMSCommit : returned: true"]
    INCOMPLETE = ["LMSSetValue : cmi.core.lesson_status incomplete",
                  "LMSSetValue : cmi.core.lesson_status : incomplete: result: true",
                  "LMSSetValue : cmi.core.session_time T",
                  "LMSSetValue : cmi.core.session_time : T: result: true",
                  "LMSCommit : ", "LMSCommit : returned: true"]
    CLOSED = ["LMSSetValue : cmi.core.session_time T",
              "LMSSetValue : cmi.core.session_time : T: result: true",
              "BeforeTerminate : ", "LMSFinish : ", "LMSFinish : returned: true"]

    def test_completed_ranking_taken_apart_and_rebuilt_then_closed(self):
        self.open("real")
        self.assertEqual(self.runtime_log(), self.START)
        for count, language in PAIRS[:7]:
            self.enter(count, language)
        self.assertEqual(self.runtime_log(), self.START, "seven entries change nothing")
        self.enter(*PAIRS[7])
        self.assertEqual(self.runtime_log(), self.START + self.COMPLETED)
        self.assertEqual(self.browser.evaluate(RUNTIME + ".cmi.core.lesson_status"), "completed")

        self.click_item("rankingList", "500 испански")
        self.click_button("takeOutButton")
        self.assertEqual(self.ranking()[3:4], ["400 руски"])
        self.assertEqual(self.runtime_log(), self.START + self.COMPLETED + self.INCOMPLETE)
        self.enter("500", "испански")
        self.assertEqual(self.browser.evaluate(RUNTIME + ".cmi.core.lesson_status"), "completed")
        # The status lives in the platform: the page's origin holds nothing.
        self.assertEqual(self.in_frame(
            "(w => w.indexedDB.databases().then(found => [w.localStorage.length,"
            " w.sessionStorage.length, doc.cookie, found.length]))(doc.defaultView)"),
            [0, 0, "", 0])

        self.close_page()
        print("\nThe runtime's log:\n  " + "\n  ".join(
            line for [line] in self.log("runtime")), file=sys.stderr)
        self.assertEqual(self.runtime_log(), self.START + self.COMPLETED + self.INCOMPLETE +
                         self.COMPLETED + self.CLOSED)
        times = [call[2] for call in self.log("call") if call[1:2] == ["cmi.core.session_time"]]
        self.assertEqual(times, sorted(times), "the session's time only grows")

    def test_closed_half_way_stays_incomplete(self):
        self.open("real")
        for count, language in PAIRS[:3]:
            self.enter(count, language)
        self.click_button("deleteButton")
        self.enter(*PAIRS[3])
        self.close_page()
        self.assertEqual(self.runtime_log(), self.START + self.CLOSED)

    def test_opened_in_a_window_of_its_own_the_page_finds_its_opener_s_runtime(self):
        platform = "document.getElementById('platform').contentWindow"
        self.browser.events.clear()
        self.browser.navigate(self.server.url("window.html?opener"),
                              "(p => !!p && !!p.contentWindow.API)"
                              "(document.getElementById('platform'))")
        self.browser.send("Runtime.evaluate", userGesture=True,
                          expression=f"{platform}.exercise = {platform}.open('{PAGE.name}')")
        self.browser.wait_for("log.some(entry => entry[1] === 'LMSCommit')")
        self.browser.evaluate(f"{platform}.exercise.close()")
        self.browser.wait_for("log.some(entry => entry[1] === 'LMSFinish')")
        self.assertEqual(self.runtime_log(), self.START + self.CLOSED)

    def test_a_failing_or_throwing_runtime_changes_nothing_for_the_pupil(self):
        start = ["LMSInitialize", "LMSSetValue", "LMSSetValue", "LMSCommit"]
        change = ["LMSSetValue", "LMSSetValue", "LMSCommit"]
        close = ["LMSSetValue", "LMSFinish"]
        # Failed calls go on; a runtime that throws, or refuses the session, hears no more.
        for runtime, calls in [("failing", start + change * 3 + close),
                               ("throwing", ["LMSInitialize"]),
                               ("finished", ["LMSInitialize"])]:
            with self.subTest(runtime):
                self.open(runtime)
                self.complete_the_ranking()
                self.assertIn("„400 руски“", self.announcement())
                self.assertEqual(self.in_frame("doc.body.innerText.includes('101')"), False)
                self.click_item("rankingList", "900 английски")
                self.click_button("takeOutButton")
                self.assertEqual(self.ranking()[0], "800 арабски")
                self.enter("900", "английски")
                self.close_page()
                self.assertEqual([call[0] for call in self.log("call")], calls)


def main():
    global PAGE, PACKAGE, IDENTIFIER, VERSION, TOOLS
    parser = argparse.ArgumentParser()
    parser.add_argument("--page", required=True, type=pathlib.Path)
    parser.add_argument("--package", required=True, type=pathlib.Path)
    parser.add_argument("--identifier", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--tools", required=True, type=pathlib.Path,
                        help="where the test installs its runtime from the npm registry")
    args, rest = parser.parse_known_args()
    PAGE, PACKAGE = args.page.resolve(), args.package.resolve()
    IDENTIFIER, VERSION, TOOLS = args.identifier, args.version, args.tools.resolve()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
