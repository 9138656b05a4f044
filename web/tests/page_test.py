# SPDX-License-Identifier: MIT
"""The web page in headless chromium, opened from disk (--origin file) or from
a loopback HTTP server (--origin http), driven by real mouse and key events."""

import argparse
import contextlib
import base64
import json
import pathlib
import random
import subprocess
import sys
import tempfile
import time
import unittest

import devtools

PAGE = None
ORIGIN = None
TABLE = None  # the form description as the build's page generator wrote it

COUNTS = [str(n) for n in range(100, 1000, 100)]
LANGUAGES = ["английски", "арабски", "испански", "италиански", "китайски", "немски", "руски",
             "френски"]
LIST_IDS = ["speakersList", "languagesList", "rankingList"]
# The window's tab cycle, from the start focus on; Tab from the last leaves the page.
TAB_ORDER = ["statement", "speakersList", "languagesList", "rankingList", "enterButton",
             "takeOutButton", "deleteButton"]
# Each list's items and selected row, by the list's id.
LISTS = """Object.fromEntries(%s.map(id => {
  const box = document.getElementById(id);
  return [id, [[...box.children].map(o => o.textContent),
               [...box.children].findIndex(o => o.getAttribute('aria-selected') === 'true')]];
}))""" % json.dumps(LIST_IDS)
START = {"speakersList": [COUNTS, 0], "languagesList": [LANGUAGES, 0], "rankingList": [[], -1]}
READY = "typeof Module == 'object' && !!Module.exercisePage"
UNAVAILABLE = "(e => !!e && !e.hidden)(document.getElementById('unavailable'))"

# What every list box shows against what the model holds, and whether the
# selected item is in full view once the browser has scrolled to it (it does
# so on a later frame; a busy machine may take a few).
MIRROR = """(async () => {
  const frame = () => new Promise(done => requestAnimationFrame(done));
  const selectedOf = box => [...box.children].findIndex(
    o => o.getAttribute('aria-selected') === 'true');
  const inView = box => {
    const option = box.children[selectedOf(box)];
    if (!option) return true;
    const item = option.getBoundingClientRect(), rect = box.getBoundingClientRect();
    const top = rect.top + box.clientTop;
    return item.top >= top - 0.5 && item.bottom <= top + box.clientHeight + 0.5;
  };
  // What each list's aria-activedescendant names: one of its own items, or
  // nothing in an empty list; anything else is reported as it is.
  const descendant = box => {
    const id = box.getAttribute('aria-activedescendant');
    const named = id && document.getElementById(id);
    if (id === null) return box.children.length ? 'missing' : 'none';
    return named && named.parentElement === box ? 'own item' : 'dangling ' + id;
  };
  const roles = {speakersList: Module.ListRole.Speakers, languagesList: Module.ListRole.Languages,
                 rankingList: Module.ListRole.Ranking};
  const boxes = Object.keys(roles).map(id => document.getElementById(id));
  for (let frames = 0; frames < 30 && !boxes.every(inView); ++frames) await frame();
  const session = Module.exercisePage.session;
  return boxes.map(box => ({
    id: box.id, shown: [...box.children].map(o => o.textContent), selected: selectedOf(box),
    model: session.items(roles[box.id]), modelSelected: session.listIndex(roles[box.id]),
    inView: inView(box), descendant: descendant(box),
    stated: [...box.children].map(o => o.getAttribute('aria-selected')),
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
        self.open()

    def open(self, url=None):
        self.browser.navigate(url or self.url, READY)
        # The statement has the focus once the first frame is drawn.
        self.browser.wait_for("document.activeElement.id == 'statement'")

    def tearDown(self):
        self.browser.evaluate("0")  # collects the events sent meanwhile
        methods = {"Network.requestWillBeSent", "Runtime.exceptionThrown", "Log.entryAdded",
                   "Runtime.consoleAPICalled"}
        reported = [e for e in self.browser.events if e["method"] in methods]
        requests = [e["params"]["request"]["url"] for e in reported
                    if e["method"] == "Network.requestWillBeSent"]
        self.assertEqual({url.split("?")[0] for url in requests}, {self.url},
                         "the page itself is its only request")
        self.assertEqual([e for e in reported if e["method"] != "Network.requestWillBeSent"], [],
                         "no console message, policy violation or exception")
        if self.server:
            self.assertTrue(all(path.split("?")[0] in ["/" + PAGE.name, *self.server.pages]
                                for path in self.server.paths), self.server.paths)

    # --- helpers -----------------------------------------------------------

    def lists(self):
        return self.browser.evaluate(LISTS)

    def list(self, list_id):
        """A list's items and its selected row (-1: none)."""
        return self.lists()[list_id]

    def emulate(self, width, height, mobile=False):
        """Sizes the page's view until the test ends; a mobile view takes touch."""
        self.browser.send("Emulation.setDeviceMetricsOverride", width=width, height=height,
                          deviceScaleFactor=1, mobile=mobile)
        self.browser.send("Emulation.setTouchEmulationEnabled", enabled=mobile,
                          maxTouchPoints=1)
        self.addCleanup(self.browser.send, "Emulation.setTouchEmulationEnabled", enabled=False)
        self.addCleanup(self.browser.send, "Emulation.setDeviceMetricsOverride", width=461,
                        height=345, deviceScaleFactor=1, mobile=False)

    def assert_mirrors_model(self):
        for box in self.browser.evaluate(MIRROR):
            self.assertEqual(box["shown"], box["model"])
            self.assertEqual(box["selected"], box["modelSelected"])
            self.assertTrue(box["inView"], box)
            # Every item states its selection; the active descendant is an item of the list.
            self.assertEqual(box["stated"], ["true" if row == box["selected"] else "false"
                                             for row in range(len(box["shown"]))], box["id"])
            self.assertEqual(box["descendant"], "own item" if box["shown"] else "none", box["id"])
        lists = self.lists()
        speakers, languages, ranking = [lists[list_id][0] for list_id in LIST_IDS]
        counts = sorted(speakers + [entry.split(" ")[0] for entry in ranking])
        self.assertEqual(counts, COUNTS, "every count in one place")
        self.assertEqual(sorted(languages + [entry.split(" ", 1)[1] for entry in ranking]),
                         LANGUAGES, "every language in one place")
        self.assertEqual(ranking, sorted(ranking, reverse=True))

    def centre(self, selector):
        return self.browser.evaluate(
            f"(() => {{ const r = document.querySelector({selector!r}).getBoundingClientRect();"
            " return [r.x + r.width / 2, r.y + r.height / 2]; })()")

    def item_centre(self, list_id, text):
        # The user scrolls the box to the item first, as with its scroll bar.
        return self.browser.evaluate(
            f"(() => {{ const o = [...document.getElementById('{list_id}').children]"
            f".find(o => o.textContent === {text!r}); o.scrollIntoView({{block: 'nearest'}});"
            " const r = o.getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2];"
            " })()")

    def click_item(self, list_id, text):
        self.browser.click(*self.item_centre(list_id, text))

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
        self.wait_until_still(list_id)
        return self.browser.evaluate(scrolled)

    def wait_until_still(self, list_id):
        """Waits for a list box to come to rest (a tap on a moving list only stops it)."""
        scrolled = f"document.getElementById('{list_id}').scrollTop"
        self.browser.wait_for(f"(() => {{ const t = {scrolled}; return new Promise(r => "
                              f"setTimeout(() => r({scrolled} === t), 150)); }})()")

    def announcement(self):
        return self.browser.evaluate("document.getElementById('announcement').textContent")

    def focused(self):
        return self.browser.evaluate("document.activeElement.id")

    # --- cases -------------------------------------------------------------

    def test_start_state_and_layout_follow_the_form_table(self):
        table = TABLE
        lists = [c for c in table["controls"] if "items" in c]
        self.assertEqual(self.lists(), {c["name"]: [c["items"], c["selected"]] for c in lists})
        self.assertEqual(self.browser.evaluate(
            "(() => { const s = document.getElementById('statement');"
            " return [s.selectionStart, s.scrollTop]; })()"), [0, 0])
        page = self.browser.evaluate("""(() => {
          const win = document.getElementById('window').getBoundingClientRect();
          const controls = {};
          for (const e of document.querySelectorAll('#window > :not(.print-only)')) {
            const r = e.getBoundingClientRect(), style = getComputedStyle(e);
            const row = e.firstElementChild && e.getAttribute('role') === 'listbox'
                ? e.firstElementChild.offsetHeight : null;
            controls[e.id] = {left: r.left - win.left, top: r.top - win.top, width: r.width,
                              height: r.height, background: style.backgroundColor,
                              color: style.color, font: style.fontFamily, size: style.fontSize,
                              text: e.tagName === 'TEXTAREA' ? e.value : e.textContent,
                              inner: e.clientHeight, row};
          }
          return {width: win.width, height: win.height, title: document.title,
                  lang: document.documentElement.lang, controls,
                  body: getComputedStyle(document.body).backgroundColor};
        })()""")
        self.assertEqual([page["width"], page["height"]], [table["width"], table["height"]])
        self.assertEqual([page["title"], page["lang"]], [table["caption"], "bg"])
        self.assertEqual(page["body"].replace(" ", ""), table["windowBackground"])
        self.assertEqual(sorted(page["controls"]), sorted(c["name"] for c in table["controls"]))
        for control in table["controls"]:
            shown = page["controls"][control["name"]]
            with self.subTest(control["name"]):
                self.assertEqual([shown[k] for k in ("left", "top", "width", "height")],
                                 [control[k] for k in ("left", "top", "width", "height")])
                if control["background"]:
                    self.assertEqual([shown["background"].replace(" ", ""),
                                      shown["color"].replace(" ", "")],
                                     [control["background"], table["textOnFixedColour"]])
                self.assertTrue(shown["font"].startswith('"' + table["fontFamily"] + '"'))
                self.assertEqual(shown["size"], f"{table['fontPixels']}px")
                if control["text"]:
                    self.assertEqual(shown["text"], control["text"].replace("\r\n", "\n"))
                if shown["row"]:  # whole rows, no shorter than the text needs
                    self.assertGreaterEqual(shown["row"], table["naturalRowHeight"])
                    self.assertEqual(shown["inner"] % shown["row"], 0)

    def test_mouse_session_keeps_the_ranking_descending(self):
        for count, language in [("300", "немски"), ("700", "арабски"), ("500", "руски")]:
            self.click_item("speakersList", count)
            self.click_item("languagesList", language)
            self.click_button("enterButton")
            self.assertIn(f"„{count} {language}“", self.announcement())
        ranking = ["700 арабски", "500 руски", "300 немски"]
        self.assertEqual(self.list("rankingList"), [ranking, -1])

        self.click_item("rankingList", "500 руски")
        self.click_button("takeOutButton")
        speakers, languages, ranking_box = [self.list(list_id) for list_id in LIST_IDS]
        self.assertEqual(speakers[0], ["100", "200", "400", "500", "600", "800", "900"])
        self.assertEqual(languages[0],
                         ["английски", "испански", "италиански", "китайски", "руски", "френски"])
        self.assertEqual(ranking_box, [["700 арабски", "300 немски"], -1])
        self.assert_mirrors_model()

        self.scroll_down("speakersList")
        self.click_button("deleteButton")
        self.assertEqual(self.lists(), START)
        self.assert_mirrors_model()  # the new selection scrolled into view

    def test_presses_without_a_selection_change_nothing(self):
        # A box the user scrolled away from its selection stays where it is.
        before = self.scroll_down("speakersList")
        self.click_button("takeOutButton")
        self.assertEqual(self.browser.evaluate(
            "document.getElementById('speakersList').scrollTop"), before)
        self.click_button("deleteButton")  # back to the start, the view included
        self.assertEqual(self.browser.evaluate(
            "document.getElementById('speakersList').scrollTop"), 0)

        self.click_button("enterButton")
        after_first = self.lists()
        self.assertEqual(after_first, {"speakersList": [COUNTS[1:], -1],
                                       "languagesList": [LANGUAGES[1:], -1],
                                       "rankingList": [["100 английски"], -1]})
        for button in ("enterButton", "takeOutButton"):
            self.click_button(button)
            self.assertEqual(self.lists(), after_first, button)
            self.browser.wait_for("document.getElementById('announcement').textContent.startsWith("
                                  "'Нищо не е')")

    def test_press_released_elsewhere_selects_nothing(self):
        x, y = self.item_centre("speakersList", "300")
        for target in (self.centre("#statement"), (-20, -20)):  # beside the list, off the page
            self.browser.send("Input.dispatchMouseEvent", type="mousePressed", x=x, y=y,
                              button="left", clickCount=1)
            self.browser.send("Input.dispatchMouseEvent", type="mouseMoved", x=target[0],
                              y=target[1], button="left", buttons=1)
            self.browser.send("Input.dispatchMouseEvent", type="mouseReleased", x=target[0],
                              y=target[1], button="left", clickCount=1)
            self.assert_mirrors_model()
            self.assertEqual(self.list("speakersList"), [COUNTS, 0])
        self.click_button("enterButton")
        self.assertEqual(self.list("rankingList"), [["100 английски"], -1])

    def test_keyboard_only(self):
        # From the start focus the window's cycle; Tab from the last leaves the page.
        visited = [self.focused()]
        for _ in TAB_ORDER[1:]:
            self.browser.press("Tab")
            visited.append(self.focused())
            if visited[-1].endswith("Button"):  # a solid mark of 2 px, black on the face
                self.assertEqual(self.browser.evaluate(
                    "(s => [s.outlineStyle, s.outlineWidth, s.outlineColor])"
                    "(getComputedStyle(document.activeElement))"),
                    ["solid", "2px", "rgb(0, 0, 0)"])
        self.assertEqual(visited, TAB_ORDER)
        self.browser.press("Tab")
        self.assertEqual(self.browser.evaluate("document.activeElement === document.body"), True)
        for _ in range(2):  # back in from the page's end, then back to the statement
            self.browser.press("Tab", modifiers=devtools.SHIFT)
        self.assertEqual(self.focused(), "takeOutButton")
        for _ in range(5):
            self.browser.press("Tab", modifiers=devtools.SHIFT)
        self.assertEqual(self.focused(), "statement")
        self.browser.press("Tab")
        self.assertEqual(self.focused(), "speakersList")

        self.browser.press("ArrowDown")
        self.browser.press("ArrowDown")
        self.browser.press("Tab")
        self.browser.press("End")
        self.browser.press("ArrowUp")
        self.assertEqual([self.list(list_id)[1] for list_id in LIST_IDS], [2, 6, -1])
        self.browser.press("PageUp")
        self.browser.press("и")  # the next item from the current one that starts with it
        self.assertEqual(self.list("languagesList")[1], LANGUAGES.index("испански"))
        self.browser.press("и")
        self.assertEqual(self.list("languagesList")[1], LANGUAGES.index("италиански"))
        self.browser.press("Tab")
        self.browser.press("Tab")
        self.browser.press(" ")
        self.assertEqual(self.list("rankingList"), [["300 италиански"], -1])

        self.browser.press("Tab", modifiers=devtools.SHIFT)
        self.browser.press("Home")
        self.browser.press("Tab")
        self.browser.press("Tab")
        self.browser.press("Enter")
        self.assertEqual(self.list("rankingList"), [[], -1])
        self.assertIn("„300 италиански“", self.announcement())
        self.assert_mirrors_model()

    def current_items(self):
        """The current item of each list, by the list's id, as the list names it to a screen reader."""
        return self.browser.evaluate("""Object.fromEntries(%s.map(id => {
          const box = document.getElementById(id), c = box.querySelector('.current');
          return [id, c && c.id === box.getAttribute('aria-activedescendant') ? c.textContent : null];
        }))""" % json.dumps(LIST_IDS))

    def test_current_item_after_each_button_is_the_nearest_remaining(self):
        self.click_item("languagesList", "испански")
        self.click_button("enterButton")
        self.assertEqual(self.current_items(),
                         {"speakersList": "200", "languagesList": "италиански",
                          "rankingList": "100 испански"})
        for _ in range(2):  # into the languages from the button, by the keyboard
            self.browser.press("Tab", modifiers=devtools.SHIFT)
        self.assertEqual(self.focused(), "languagesList")
        self.assertEqual(self.browser.evaluate(
            "(() => { const c = document.querySelector('#languagesList .current');"
            " const box = c.parentElement.getBoundingClientRect(), r = c.getBoundingClientRect();"
            " return [getComputedStyle(c).outlineStyle, r.top >= box.top && r.bottom <= box.bottom];"
            " })()"), ["dotted", True])
        self.browser.press("ArrowDown")  # selects the current item, skipping none
        self.assertEqual(self.list("languagesList")[1], LANGUAGES.index("италиански") - 1)
        self.browser.press("Tab", modifiers=devtools.SHIFT)
        self.browser.press(" ")
        self.assertEqual(self.list("speakersList"), [COUNTS[1:], 0])

        self.click_item("speakersList", "900")
        self.click_button("enterButton")
        self.assertEqual(self.current_items(),
                         {"speakersList": "800", "languagesList": "китайски",
                          "rankingList": "100 испански"})
        self.click_item("rankingList", "900 италиански")
        self.click_button("takeOutButton")
        self.assertEqual(self.current_items(),
                         {"speakersList": "800", "languagesList": "китайски",
                          "rankingList": "100 испански"})
        self.assertEqual(self.list("rankingList"), [["100 испански"], -1])
        self.click_button("deleteButton")
        self.assertEqual(self.current_items(),
                         {"speakersList": "100", "languagesList": "английски", "rankingList": None})
        self.assert_mirrors_model()

    def test_every_navigation_key_selects_also_where_it_cannot_move(self):
        self.click_button("enterButton")  # the counts left, 200 to 900, with no selection
        for _ in range(3):
            self.browser.press("Tab", modifiers=devtools.SHIFT)
        self.assertEqual(self.focused(), "speakersList")
        for key, selected in [("Home", "200"), ("ArrowUp", "200"), ("PageUp", "200"),
                              ("End", "900"), ("ArrowDown", "900"), ("PageDown", "900")]:
            self.browser.press(key)
            items, row = self.list("speakersList")
            self.assertEqual(items[row], selected, key)
        # A list of one item, from no selection each time.
        for key in ["ArrowDown", "ArrowUp", "Home", "End", "PageDown", "PageUp", "1"]:
            self.click_button("deleteButton")
            self.click_button("enterButton")
            self.browser.press("Tab", modifiers=devtools.SHIFT)
            self.assertEqual(self.list("rankingList"), [["100 английски"], -1])
            self.browser.press(key)
            self.assertEqual(self.list("rankingList"), [["100 английски"], 0], key)
        self.assert_mirrors_model()

    def system_colours(self, names):
        return self.browser.evaluate(f"""{json.dumps(names)}.map(name => {{
          const probe = document.body.appendChild(document.createElement('i'));
          probe.style.color = name;
          const colour = getComputedStyle(probe).color;
          probe.remove();
          return colour;
        }})""")

    def test_current_item_mark_stands_out_selected_or_not(self):
        look = """(() => {
          const box = document.getElementById('speakersList'), item = box.querySelector('.current');
          const s = getComputedStyle(item), fill = s.backgroundColor;
          return {text: item.textContent, selected: item.getAttribute('aria-selected'),
                  mark: [s.outlineStyle, s.outlineWidth, s.outlineColor],
                  fill: /, 0\)$/.test(fill) ? getComputedStyle(box).backgroundColor : fill};
        })()"""

        def contrast(first, second):
            def luminance(css):
                channels = [int(c) / 255 for c in css[css.index("(") + 1:-1].split(",")[:3]]
                linear = [c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
                          for c in channels]
                return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
            lighter, darker = sorted([luminance(first), luminance(second)], reverse=True)
            return (lighter + 0.05) / (darker + 0.05)

        for forced in (False, True):
            with self.subTest(forced_colours=forced):
                self.browser.send("Emulation.setEmulatedMedia", features=[
                    {"name": "forced-colors", "value": "active" if forced else "none"}])
                self.addCleanup(self.browser.send, "Emulation.setEmulatedMedia", features=[])
                self.open()
                self.click_button("enterButton")
                for _ in range(3):
                    self.browser.press("Tab", modifiers=devtools.SHIFT)
                for selected in ("false", "true"):  # entered, then Down selects it in place
                    shown = self.browser.evaluate(look)
                    self.assertEqual([shown["text"], shown["selected"]], ["200", selected])
                    style, width, colour = shown["mark"]
                    self.assertNotEqual(style, "none")
                    self.assertGreaterEqual(int(width[:-2]), 2)
                    # The mark against the fill it is drawn on, which the unfocused look shows.
                    self.assertGreaterEqual(contrast(colour, shown["fill"]), 3, shown)
                    if forced:  # the theme's own pair, which the theme keeps apart
                        pair = ["SelectedItemText", "SelectedItem"] if selected == "true" else [
                            "CanvasText", "Field"]
                        self.assertEqual([colour, shown["fill"]], self.system_colours(pair))
                    self.browser.press("ArrowDown")
                self.browser.press("Tab", modifiers=devtools.SHIFT)
                self.assertEqual(self.browser.evaluate(look)["mark"][0], "none")

    def fully_in_view(self, list_id, text):
        return self.browser.evaluate(f"""(() => {{
          const box = document.getElementById({list_id!r});
          const item = [...box.children].find(o => o.textContent === {text!r});
          const r = item.getBoundingClientRect(), top = box.getBoundingClientRect().top + box.clientTop;
          return r.top >= top - 0.5 && r.bottom <= top + box.clientHeight + 0.5;
        }})()""")

    def test_what_a_press_changed_comes_into_view(self):
        # Each new entry in Класация, below the rows in view and then above them.
        for count, language, entry in [
                ("800", "английски", "800 английски"), ("700", "арабски", "700 арабски"),
                ("600", "испански", "600 испански"), ("500", "италиански", "500 италиански"),
                ("400", "китайски", "400 китайски"), ("300", "немски", "300 немски"),
                ("200", "руски", "200 руски"), ("900", "френски", "900 френски")]:
            self.click_item("speakersList", count)
            self.click_item("languagesList", language)
            self.click_button("enterButton")
            self.assertTrue(self.fully_in_view("rankingList", entry), entry)
        self.assertEqual(self.list("languagesList"), [[], -1])
        self.assert_mirrors_model()  # the emptied list names no item
        self.click_button("deleteButton")

        # Изведи: the returned count and language, in lists scrolled away from them.
        self.click_button("enterButton")  # 100 английски; no selection left in either list
        self.scroll_down("speakersList")
        self.scroll_down("languagesList")
        self.click_item("rankingList", "100 английски")
        self.click_button("takeOutButton")
        self.assertTrue(self.fully_in_view("speakersList", "100"))
        self.assertTrue(self.fully_in_view("languagesList", "английски"))

        # A selection keeps the view: 900 stays in view as 100 comes back above it.
        self.click_item("speakersList", "100")
        self.click_item("languagesList", "английски")
        self.click_button("enterButton")
        self.click_item("speakersList", "900")
        self.scroll_down("languagesList")
        self.click_item("rankingList", "100 английски")
        self.click_button("takeOutButton")
        self.assertEqual(self.list("speakersList")[1], 8)
        self.assertTrue(self.fully_in_view("speakersList", "900"))
        self.assertTrue(self.fully_in_view("languagesList", "английски"))
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
        self.assertEqual(self.lists(), START)

    def test_seeded_random_clicks_and_keys_keep_every_list_box_a_mirror(self):
        generator = random.Random(20261208)
        keys = ["Tab", "ArrowUp", "ArrowDown", "Home", "End", "PageUp", "PageDown", " ",
                "Enter", "а", "и"]
        for _ in range(40):
            if generator.random() < 0.5:
                self.browser.press(generator.choice(keys))
            else:
                list_id = generator.choice(LIST_IDS + ["enterButton", "takeOutButton",
                                                       "deleteButton"])
                items = self.browser.evaluate(
                    f"[...document.getElementById('{list_id}').children].map(o => o.textContent)")
                if items:
                    self.click_item(list_id, generator.choice(items))
                elif list_id.endswith("Button"):
                    self.click_button(list_id)
            self.assert_mirrors_model()

    # --- any width, zoom, spacing and paper ----------------------------------

    def test_phone_taps_alone_run_the_exercise(self):
        self.emulate(360, 640, mobile=True)
        self.open()
        figures = self.browser.evaluate("""(() => {
          const boxes = [...document.querySelectorAll('#window [role=listbox]')];
          const sizes = [...document.querySelectorAll('#window > :not(.print-only)')].map(e => {
            const r = e.getBoundingClientRect(); return [r.width, r.height]; });
          return {scale: visualViewport.scale, wide: document.documentElement.scrollWidth,
                  rows: boxes.map(b => b.clientHeight / boxes[0].firstElementChild.offsetHeight),
                  row: boxes[0].firstElementChild.offsetHeight,
                  text: Math.min(...[...document.querySelectorAll('#window *')].map(
                          e => parseFloat(getComputedStyle(e).fontSize))),
                  smallest: Math.min(...sizes.flat())};
        })()""")
        self.assertEqual([figures["scale"], figures["wide"]], [1, 360])
        self.assertTrue(all(rows >= 4 for rows in figures["rows"]), figures)
        self.assertGreaterEqual(min(figures["row"], figures["smallest"]), 24)
        self.assertGreaterEqual(figures["text"], 16)
        # One column in the window's order, the statement first as in its tab cycle.
        self.assertEqual(self.browser.evaluate(
            "[...document.querySelectorAll('#window > :not(.print-only)')].map(e => [e.id,"
            " e.getBoundingClientRect().top]).sort((a, b) => a[1] - b[1]).map(e => e[0])"),
            ["titleLabel", "statement", "speakersLabel", "speakersList", "languagesLabel",
             "languagesList", "rankingLabel", "rankingList", "enterButton", "takeOutButton",
             "deleteButton"])

        # A finger drawn up the counts scrolls them and selects nothing.
        x, y = self.centre("#speakersList")
        self.browser.drag(x, y, -80)
        self.wait_until_still("speakersList")
        self.assertGreater(self.browser.evaluate(
            "document.getElementById('speakersList').scrollTop"), 0)
        self.assertEqual(self.list("speakersList"), [COUNTS, 0])

        for count, language in [("300", "немски"), ("700", "арабски")]:
            self.browser.tap(*self.item_centre("speakersList", count))
            self.browser.tap(*self.item_centre("languagesList", language))
            self.browser.evaluate("document.getElementById('enterButton').scrollIntoView()")
            self.browser.tap(*self.centre("#enterButton"))
        self.assertEqual(self.list("rankingList"), [["700 арабски", "300 немски"], -1])
        self.browser.tap(*self.item_centre("rankingList", "300 немски"))
        self.browser.evaluate("document.getElementById('takeOutButton').scrollIntoView()")
        self.browser.tap(*self.centre("#takeOutButton"))
        self.assertEqual(self.list("rankingList"), [["700 арабски"], -1])
        self.browser.tap(*self.centre("#deleteButton"))
        self.assertEqual(self.lists(), START)
        self.assert_mirrors_model()

    def test_zoom_and_text_spacing_lose_nothing(self):
        # As a reader's style sheet or bookmarklet adds it, past the page's policy.
        spacing = ("(() => { const s = new CSSStyleSheet(); s.replaceSync('* {"
                   " line-height: 1.5 !important; letter-spacing: 0.12em !important;"
                   " word-spacing: 0.16em !important } p { margin-bottom: 2em !important }');"
                   " document.adoptedStyleSheets = [s]; })()")
        whole = """(async () => {
          await new Promise(done => requestAnimationFrame(() => requestAnimationFrame(done)));
          const width = innerWidth, bad = [];
          if (document.documentElement.scrollWidth > width) bad.push('page scrolls sideways');
          for (const e of document.querySelectorAll('#window > :not(.print-only)')) {
            const r = e.getBoundingClientRect();
            if (r.left < 0 || r.right > width) bad.push(e.id + ' beside the view');
          }
          for (const label of document.querySelectorAll('#window .label')) {
            const text = label.firstElementChild.getBoundingClientRect();
            const box = label.getBoundingClientRect();
            if (text.left < box.left - 0.5 || text.right > box.right + 0.5 ||
                text.top < box.top - 0.5 || text.bottom > box.bottom + 0.5)
              bad.push(label.id + ' clipped');
          }
          return bad;
        })()"""
        for width, height in [(320, 256), (461, 345)]:
            with self.subTest(width=width):
                self.emulate(width, height)
                self.open()
                self.assertEqual(self.browser.evaluate(whole), [])
                self.browser.evaluate(spacing)
                self.assertEqual(self.browser.evaluate(whole), [])

    def test_print_holds_the_statement_and_every_list_item(self):
        self.click_button("enterButton")
        pdf = base64.b64decode(self.browser.send("Page.printToPDF")["data"])
        with tempfile.NamedTemporaryFile(suffix=".pdf") as file:
            file.write(pdf)
            file.flush()
            text = subprocess.run(["pdftotext", file.name, "-"], check=True,
                                  capture_output=True, encoding="utf-8").stdout
        flat = " ".join(text.split())
        statement = next(c["text"] for c in TABLE["controls"] if c["name"] == "statement")
        for paragraph in statement.split("\r\n\r\n"):
            self.assertIn(" ".join(paragraph.split()), flat)
        words = text.split()
        title = next(c["text"] for c in TABLE["controls"] if c["name"] == "titleLabel")
        for item in COUNTS[1:] + LANGUAGES[1:] + ["100 английски", title]:
            self.assertIn(item, flat)
        self.assertNotIn("Въведи", words)

    def test_in_another_site_s_frame_the_host_keeps_the_focus(self):
        if not self.server:
            self.skipTest("a frame from another site needs the web server")
        # The frame runs in a process of its own; it waits for the test to listen first.
        self.browser.send("Target.setAutoAttach", autoAttach=True, waitForDebuggerOnStart=True,
                          flatten=True)
        self.addCleanup(self.browser.send, "Target.setAutoAttach", autoAttach=False,
                        waitForDebuggerOnStart=False)
        self.browser.events.clear()
        # Another site on the same machine: localhost frames the page from 127.0.0.1.
        self.server.pages["/host.html"] = (
            f'<!DOCTYPE html><title>host</title><link rel="icon" href="data:,">'
            f'<iframe src="{self.url}"></iframe>')
        self.browser.send("Page.navigate", url=self.server.url("host.html", host="localhost"))
        frame = None
        deadline = time.monotonic() + 10
        while frame is None and time.monotonic() < deadline:
            self.browser.evaluate("0")
            frame = next((e["params"]["sessionId"] for e in self.browser.events
                          if e["method"] == "Target.attachedToTarget"
                          and e["params"]["targetInfo"]["type"] == "iframe"), None)
        self.assertIsNotNone(frame, "the page in a frame of its own")
        for domain in ("Runtime", "Log"):
            self.browser.send(domain + ".enable", session=frame)
        self.browser.send("Runtime.runIfWaitingForDebugger", session=frame)
        self.browser.wait_for(READY, session=frame)
        self.browser.evaluate(READY, session=frame)  # collects what the frame said meanwhile
        said = [e for e in self.browser.events if e.get("sessionId") == frame and e["method"] in
                ("Log.entryAdded", "Runtime.consoleAPICalled", "Runtime.exceptionThrown")]
        self.assertEqual(said, [])
        self.assertEqual(self.browser.evaluate("document.activeElement.id", session=frame), "")
        self.browser.events.clear()
        self.open()

    # --- where the exercise cannot run ---------------------------------------

    def shown_markup(self, selector, drawn=True):
        """An element's markup if it is drawn, else None; read without the page's scripts."""
        root = self.browser.send("DOM.getDocument")["root"]["nodeId"]
        node = self.browser.send("DOM.querySelector", nodeId=root, selector=selector)["nodeId"]
        try:
            if drawn:
                self.browser.send("DOM.getBoxModel", nodeId=node)
        except devtools.ProtocolError:
            return None
        return self.browser.send("DOM.getOuterHTML", nodeId=node)["outerHTML"]

    def test_a_visible_line_where_script_or_webassembly_cannot_run(self):
        def failed_run(url=self.url, ready="document.readyState == 'complete'"):
            self.browser.events.clear()
            self.browser.navigate(url, ready)
            self.assertIn(TABLE["caption"], self.shown_markup("title", drawn=False))
            self.assertIn('aria-selected="true" class="current">английски<',
                          self.shown_markup("#languagesList") or "")
            self.assertEqual([e for e in self.browser.events
                              if e["method"] == "Runtime.exceptionThrown"], [])

        self.browser.send("Emulation.setScriptExecutionDisabled", value=True)
        try:
            self.browser.events.clear()
            self.browser.send("Page.navigate", url=self.url)
            deadline = time.monotonic() + 10
            while time.monotonic() < deadline:
                with contextlib.suppress(devtools.ProtocolError):  # a document on its way
                    if self.shown_markup("noscript > p"):
                        break
                time.sleep(0.05)
            self.assertIn("JavaScript", self.shown_markup("noscript > p") or "")
            self.assertIn('aria-selected="true" class="current">100<',
                          self.shown_markup("#speakersList") or "")
        finally:
            self.browser.send("Emulation.setScriptExecutionDisabled", value=False)

        script = self.browser.send("Page.addScriptToEvaluateOnNewDocument",
                                   source="delete window.WebAssembly")["identifier"]
        try:
            failed_run(ready=UNAVAILABLE)
            self.assertIn("WebAssembly", self.shown_markup("#unavailable") or "")
            self.click_button("enterButton")  # does nothing, and says nothing
            self.assertEqual(self.list("rankingList"), [[], -1])
        finally:
            self.browser.send("Page.removeScriptToEvaluateOnNewDocument", identifier=script)

        if self.server:
            self.server.headers["Content-Security-Policy"] = (
                "default-src 'none'; script-src 'unsafe-inline'; style-src 'unsafe-inline';"
                " img-src data:")
            try:
                failed_run(self.url + "?policy",
                           ready=UNAVAILABLE)
                self.assertIn("wasm-unsafe-eval", self.shown_markup("#unavailable") or "")
            finally:
                self.server.headers.clear()
        self.browser.events.clear()
        self.open()


def main():
    global PAGE, ORIGIN, TABLE
    parser = argparse.ArgumentParser()
    parser.add_argument("--page", required=True, type=pathlib.Path)
    parser.add_argument("--origin", choices=["file", "http"], default="file")
    parser.add_argument("--table", required=True, type=pathlib.Path)
    args, rest = parser.parse_known_args()
    PAGE, ORIGIN = args.page.resolve(), args.origin
    TABLE = json.loads(args.table.read_text(encoding="utf-8"))
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
