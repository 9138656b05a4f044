# SPDX-License-Identifier: MIT
"""The web page in headless chromium, opened from disk (--origin file) or from
a loopback HTTP server (--origin http), driven by real mouse and key events."""

import argparse
import pathlib
import random
import sys
import unittest

import devtools

PAGE = None
ORIGIN = None

COUNTS = [str(n) for n in range(100, 1000, 100)]
LANGUAGES = ["английски", "арабски", "испански", "италиански", "китайски", "немски", "руски",
             "френски"]
LIST_IDS = ["speakersList", "languagesList", "rankingList"]
TAB_ORDER = ["statement", "speakersList", "languagesList", "rankingList", "enterButton",
             "takeOutButton", "deleteButton"]

# What every list box shows against what the model holds, and whether the
# selected item is in full view once the browser has scrolled to it (it does
# so on a later frame; a busy machine may take a few).
MIRROR = """(async () => {
  const frame = () => new Promise(done => requestAnimationFrame(done));
  const inView = select => {
    const option = select.options[select.selectedIndex];
    if (!option) return true;
    const item = option.getBoundingClientRect(), box = select.getBoundingClientRect();
    const top = box.top + select.clientTop;
    return item.top >= top - 0.5 && item.bottom <= top + select.clientHeight + 0.5;
  };
  const selects = [...document.querySelectorAll('#window select')];
  for (let frames = 0; frames < 30 && !selects.every(inView); ++frames) await frame();
  const session = Module.exercisePage.session;
  const roles = [Module.ListRole.Speakers, Module.ListRole.Languages, Module.ListRole.Ranking];
  return selects.map((select, i) => ({
    shown: [...select.options].map(o => o.text), selected: select.selectedIndex,
    model: session.items(roles[i]), modelSelected: session.listIndex(roles[i]),
    inView: inView(select),
  }));
})()"""


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = devtools.LoopbackServer(PAGE.parent) if ORIGIN == "http" else None
        cls.url = cls.server.url(PAGE.name) if cls.server else PAGE.as_uri()
        cls.browser = devtools.Browser(461, 345)
        for domain in ("Runtime", "Log", "Network", "Page"):
            cls.browser.send(domain + ".enable")

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        if cls.server:
            cls.server.close()

    def setUp(self):
        self.browser.events.clear()
        self.browser.navigate(self.url, "typeof Module == 'object' && !!Module.exercisePage")
        # The statement has the focus once the first frame is drawn.
        self.browser.wait_for("document.activeElement.id == 'statement'")

    def tearDown(self):
        self.browser.evaluate("0")  # collects the events sent meanwhile
        methods = {"Network.requestWillBeSent", "Runtime.exceptionThrown", "Log.entryAdded",
                   "Runtime.consoleAPICalled"}
        reported = [e for e in self.browser.events if e["method"] in methods]
        requests = [e["params"]["request"]["url"] for e in reported
                    if e["method"] == "Network.requestWillBeSent"]
        self.assertEqual(requests, [self.url], "the page itself is its only request")
        self.assertEqual([e for e in reported if e["method"] != "Network.requestWillBeSent"], [],
                         "no console message, policy violation or exception")
        if self.server:
            self.assertTrue(all(path == "/" + PAGE.name for path in self.server.paths),
                            self.server.paths)

    # --- helpers -----------------------------------------------------------

    def lists(self):
        return self.browser.evaluate(
            "[...document.querySelectorAll('#window select')].map(s => "
            "[[...s.options].map(o => o.text), s.selectedIndex])")

    def assert_mirrors_model(self):
        for box in self.browser.evaluate(MIRROR):
            self.assertEqual(box["shown"], box["model"])
            self.assertEqual(box["selected"], box["modelSelected"])
            self.assertTrue(box["inView"], box)
        speakers, languages, ranking = [box[0] for box in self.lists()]
        counts = sorted(speakers + [entry.split(" ")[0] for entry in ranking])
        self.assertEqual(counts, COUNTS, "every count in one place")
        self.assertEqual(sorted(languages + [entry.split(" ", 1)[1] for entry in ranking]),
                         LANGUAGES, "every language in one place")
        self.assertEqual(ranking, sorted(ranking, reverse=True))

    def centre(self, selector):
        return self.browser.evaluate(
            f"(() => {{ const r = document.querySelector({selector!r}).getBoundingClientRect();"
            " return [r.x + r.width / 2, r.y + r.height / 2]; })()")

    def click_item(self, list_id, text):
        # The user scrolls the box to the item first, as with its scroll bar.
        x, y = self.browser.evaluate(
            f"(() => {{ const o = [...document.getElementById('{list_id}').options]"
            f".find(o => o.text === {text!r}); o.scrollIntoView({{block: 'nearest'}});"
            " const r = o.getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2];"
            " })()")
        self.browser.click(x, y)

    def click_button(self, button_id):
        self.browser.click(*self.centre("#" + button_id))

    def scroll_down(self, list_id):
        """Turns the mouse wheel over a list box; returns where it came to rest."""
        x, y = self.centre("#" + list_id)
        scrolled = f"document.getElementById('{list_id}').scrollTop"
        # A wheel turned before the page's first frame goes nowhere: turn it again.
        for attempt in range(10):
            self.browser.send("Input.dispatchMouseEvent", type="mouseWheel", x=x, y=y,
                              deltaX=0, deltaY=200)
            try:
                self.browser.wait_for(scrolled + " > 0", timeout=1)
                break
            except TimeoutError:
                if attempt == 9:
                    raise
        self.browser.wait_for(f"(() => {{ const t = {scrolled}; return new Promise(r => "
                              f"setTimeout(() => r({scrolled} === t), 100)); }})()")
        return self.browser.evaluate(scrolled)

    def announcement(self):
        return self.browser.evaluate("document.getElementById('announcement').textContent")

    def focused(self):
        return self.browser.evaluate("document.activeElement.id")

    # --- cases -------------------------------------------------------------

    def test_start_state_and_layout_follow_the_form_description(self):
        self.assertEqual(self.lists(), [[COUNTS, 0], [LANGUAGES, 0], [[], -1]])
        self.assertEqual(self.browser.evaluate(
            "(() => { const s = document.getElementById('statement');"
            " return [s.selectionStart, s.scrollTop]; })()"), [0, 0])
        mismatches = self.browser.evaluate("""(() => {
          const d = Module.formDescription(), bad = [];
          const win = document.getElementById('window').getBoundingClientRect();
          if (win.width !== d.clientSize.width || win.height !== d.clientSize.height)
            bad.push('window size');
          if (document.title !== d.caption || document.documentElement.lang !== 'bg')
            bad.push('title or language');
          for (const c of d.controls) {
            const e = document.getElementById(c.name), r = e.getBoundingClientRect();
            const g = c.geometry, style = getComputedStyle(e);
            if (r.left - win.left !== g.left || r.top - win.top !== g.top ||
                r.width !== g.width || r.height !== g.height) bad.push(c.name + ' geometry');
            if (c.background && (style.backgroundColor.replace(/ /g, '') !== c.background ||
                                 style.color.replace(/ /g, '') !== d.textOnFixedColour))
              bad.push(c.name + ' colours');
            if (!style.fontFamily.startsWith('"' + d.font.family + '"') || style.fontSize !== '16px')
              bad.push(c.name + ' font');
            if (c.text && c.kind !== 'statement' && e.textContent !== c.text) bad.push(c.name + ' text');
          }
          return bad;
        })()""")
        self.assertEqual(mismatches, [])

    def test_mouse_session_keeps_the_ranking_descending(self):
        for count, language in [("300", "немски"), ("700", "арабски"), ("500", "руски")]:
            self.click_item("speakersList", count)
            self.click_item("languagesList", language)
            self.click_button("enterButton")
            self.assertIn(f"„{count} {language}“", self.announcement())
        ranking = ["700 арабски", "500 руски", "300 немски"]
        self.assertEqual(self.lists()[2], [ranking, -1])

        self.click_item("rankingList", "500 руски")
        self.click_button("takeOutButton")
        speakers, languages, ranking_box = self.lists()
        self.assertEqual(speakers[0], ["100", "200", "400", "500", "600", "800", "900"])
        self.assertEqual(languages[0],
                         ["английски", "испански", "италиански", "китайски", "руски", "френски"])
        self.assertEqual(ranking_box, [["700 арабски", "300 немски"], -1])
        self.assert_mirrors_model()

        self.scroll_down("speakersList")
        self.click_button("deleteButton")
        self.assertEqual(self.lists(), [[COUNTS, 0], [LANGUAGES, 0], [[], -1]])
        self.assert_mirrors_model()  # the new selection scrolled into view

    def test_presses_without_a_selection_change_nothing(self):
        # A box the user scrolled away from its selection stays where it is.
        before = self.scroll_down("speakersList")
        self.click_button("takeOutButton")
        self.assertEqual(self.browser.evaluate(
            "document.getElementById('speakersList').scrollTop"), before)

        self.click_button("enterButton")
        after_first = self.lists()
        self.assertEqual(after_first, [[COUNTS[1:], -1], [LANGUAGES[1:], -1], [["100 английски"], -1]])
        for button in ("enterButton", "takeOutButton"):
            self.click_button(button)
            self.assertEqual(self.lists(), after_first, button)
            self.browser.wait_for("document.getElementById('announcement').textContent.startsWith("
                                  "'Нищо не е')")

    def test_keyboard_only(self):
        visited = [self.focused()]
        for _ in TAB_ORDER[1:]:
            self.browser.press("Tab")
            visited.append(self.focused())
        self.assertEqual(visited, TAB_ORDER)
        for _ in range(5):
            self.browser.press("Tab", modifiers=devtools.SHIFT)
        self.assertEqual(self.focused(), "speakersList")

        self.browser.press("ArrowDown")
        self.browser.press("ArrowDown")
        self.browser.press("Tab")
        self.browser.press("End")
        self.browser.press("ArrowUp")
        self.assertEqual([box[1] for box in self.lists()], [2, 6, -1])
        self.browser.press("Tab")
        self.browser.press("Tab")
        self.browser.press(" ")
        self.assertEqual(self.lists()[2], [["300 руски"], -1])

        self.browser.press("Tab", modifiers=devtools.SHIFT)
        self.browser.press("Home")
        self.browser.press("Tab")
        self.browser.press("Tab")
        self.browser.press("Enter")
        self.assertEqual(self.lists()[2], [[], -1])
        self.assertIn("„300 руски“", self.announcement())
        self.assert_mirrors_model()

    def test_statement_cannot_be_changed(self):
        before = self.browser.evaluate("document.getElementById('statement').value")
        self.browser.send("Input.insertText", text="xyz")
        for key in ("Backspace", "Delete", "Enter", " "):
            self.browser.press(key)
        self.assertEqual(self.browser.evaluate("document.getElementById('statement').value"),
                         before)
        self.assertEqual(self.focused(), "statement")

    def test_accessibility_tree_names_every_control_and_hears_every_press(self):
        def tree():
            nodes = self.browser.send("Accessibility.getFullAXTree")["nodes"]
            found = {}
            for node in nodes:
                role = node.get("role", {}).get("value")
                name = node.get("name", {}).get("value")
                props = {p["name"]: p["value"].get("value") for p in node.get("properties", [])}
                found.setdefault(role, []).append((name, props))
            return found

        start = tree()
        self.assertEqual([name for name, _ in start["listbox"]], ["Говорещи", "Език", "Класация"])
        self.assertEqual([name for name, _ in start["button"]], ["Въведи", "Изведи", "Изтрий"])
        selected = [name for name, props in start["option"] if props.get("selected")]
        self.assertEqual(selected, ["100", "английски"])
        statement = [props for name, props in start["textbox"] if name == "Условие на задачата"]
        self.assertEqual(len(statement), 1)
        self.assertTrue(statement[0].get("readonly"))
        self.assertTrue(statement[0].get("focused"))

        for button, heard in [("enterButton", "„100 английски“"),
                              ("takeOutButton", "Нищо не е изведено"),
                              ("deleteButton", "Класацията е изтрита")]:
            self.click_button(button)
            status = tree()["status"]
            self.assertEqual(len(status), 1)
            name, props = status[0]
            self.assertEqual(props.get("live"), "polite")
            text = self.browser.evaluate(
                "document.getElementById('announcement').textContent")
            self.assertIn(heard, text)
            self.assertIn(heard, " ".join(n.get("name", {}).get("value", "") for n in
                                          self.browser.send("Accessibility.getFullAXTree")["nodes"]
                                          if n.get("role", {}).get("value") == "StaticText"))

    def test_misuse_from_the_page_is_a_clear_error(self):
        for call in ("setListIndex(Module.ListRole.Speakers, 9)",
                     "setListIndex(Module.ListRole.Ranking, 0)",
                     "items(Module.ListRole.SortBuffer)", "listIndex(Module.ListRole.SortBuffer)"):
            with self.assertRaisesRegex(devtools.ProtocolError, "RangeError"):
                self.browser.evaluate("Module.exercisePage.session." + call)
        self.assertEqual(self.lists(), [[COUNTS, 0], [LANGUAGES, 0], [[], -1]])

    def test_seeded_random_clicks_and_keys_keep_every_list_box_a_mirror(self):
        generator = random.Random(20261208)
        keys = ["Tab", "ArrowUp", "ArrowDown", "Home", "End", " ", "Enter"]
        for _ in range(40):
            if generator.random() < 0.5:
                self.browser.press(generator.choice(keys))
            else:
                list_id = generator.choice(LIST_IDS + ["enterButton", "takeOutButton",
                                                       "deleteButton"])
                items = self.browser.evaluate(
                    f"[...(document.getElementById('{list_id}').options || [])].map(o => o.text)")
                if items:
                    self.click_item(list_id, generator.choice(items))
                elif list_id.endswith("Button"):
                    self.click_button(list_id)
            self.assert_mirrors_model()


def main():
    global PAGE, ORIGIN
    parser = argparse.ArgumentParser()
    parser.add_argument("--page", required=True, type=pathlib.Path)
    parser.add_argument("--origin", choices=["file", "http"], default="file")
    args, rest = parser.parse_known_args()
    PAGE, ORIGIN = args.page.resolve(), args.origin
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
