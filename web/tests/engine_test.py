# SPDX-License-Identifier: MIT
"""The page's checks that hold in every engine, written once over the driver
interface of engines.py and run with --engine chromium, firefox or webkit:
the start state, the exercise by mouse and by keyboard, the live region, the
focus marks and borders, 320 px, and no console message."""

import argparse
import pathlib
import sys
import unittest

import engines

PAGE = None
ENGINE = None

COUNTS = [str(n) for n in range(100, 1000, 100)]
LANGUAGES = ["английски", "арабски", "испански", "италиански", "китайски", "немски", "руски",
             "френски"]
START = [[COUNTS, 0], [LANGUAGES, 0], [[], -1]]
# The window's tab order, from the start focus on.
TAB_ORDER = ["statement", "speakersList", "languagesList", "rankingList", "enterButton",
             "takeOutButton", "deleteButton"]
STARTED = "typeof Module == 'object' && !!Module.exercisePage"
READY = STARTED + " && document.activeElement.id == 'statement'"
LISTS = """[...document.querySelectorAll('#window [role=listbox]')].map(box => [
  [...box.children].map(o => o.textContent),
  [...box.children].findIndex(o => o.getAttribute('aria-selected') === 'true')])"""
# The mark a control shows while it has the focus: on a list with items, its
# current item's.
MARK = """(() => {
  const e = document.activeElement, marked = e.querySelector('.current') || e;
  const s = getComputedStyle(marked);
  return [e.id, e.matches(':focus'), s.outlineStyle, s.outlineWidth, s.outlineColor];
})()"""
SOLID_MARK = ["solid", "2px", "rgb(0, 0, 0)"]
BELOW = "rgba(0, 0, 0, 0.45) 0px -10px 8px -8px inset"
ABOVE = "rgba(0, 0, 0, 0.45) 0px 10px 8px -8px inset"
FRAMED = ["enterButton", "takeOutButton", "deleteButton", "speakersList", "languagesList",
          "rankingList", "statement"]


class EngineTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.driver = engines.ENGINES[ENGINE]()
        print(f"\n{cls.driver.name} {cls.driver.version}", file=sys.stderr)

    @classmethod
    def tearDownClass(cls):
        cls.driver.close()

    def setUp(self):
        self.driver.resize(461, 345)
        self.driver.open(PAGE.as_uri(), READY)

    def tearDown(self):
        self.assertEqual(self.driver.problems(), [],
                         "no console message, policy violation or exception")

    def lists(self):
        return self.driver.evaluate(LISTS)

    def announcement(self):
        return self.driver.evaluate(
            "document.getElementById('announcement').textContent").strip("\u00a0 ")

    def focused(self):
        return self.driver.evaluate("document.activeElement.id")

    def click_item(self, list_id, text):
        # The user scrolls the box to the item first, as with its scroll bar.
        self.driver.click(*self.driver.evaluate(
            f"(() => {{ const o = [...document.getElementById('{list_id}').children]"
            f".find(o => o.textContent === {text!r}); o.scrollIntoView({{block: 'nearest'}});"
            " const r = o.getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2];"
            " })()"))

    def click_button(self, button_id):
        self.driver.click(*self.driver.evaluate(
            f"(e => {{ e.scrollIntoView({{block: 'nearest'}}); const r = e.getBoundingClientRect();"
            f" return [r.x + r.width / 2, r.y + r.height / 2]; }})"
            f"(document.getElementById('{button_id}'))"))

    def test_start_state_with_the_statement_marked(self):
        self.assertEqual(self.lists(), START)
        self.assertEqual(self.driver.evaluate(MARK), ["statement", True, *SOLID_MARK])
        self.assertEqual(self.driver.evaluate(
            "(s => [s.selectionStart, s.scrollTop])(document.getElementById('statement'))"),
            [0, 0])
        self.assertEqual(self.announcement(), "")
        # More below, then, scrolled to its end, more above: a shade at that edge.
        shade = "getComputedStyle(document.getElementById('statement')).boxShadow"
        self.assertEqual(self.driver.evaluate(shade), BELOW)
        self.driver.evaluate("(s => new Promise(done => { s.addEventListener('scroll', () =>"
                             " requestAnimationFrame(done), {once: true});"
                             " s.scrollTop = s.scrollHeight; }))(document.getElementById('statement'))")
        self.assertEqual(self.driver.evaluate(shade), ABOVE)

    def test_mouse_exercise_and_what_is_heard(self):
        self.click_item("speakersList", "300")
        self.click_item("languagesList", "немски")
        self.assertEqual([box[1] for box in self.lists()], [2, 5, -1])
        for count, language, heard in [
                ("300", "немски", "Въведено „300 немски“, място 1 от 1 в класацията."),
                ("700", "арабски", "Въведено „700 арабски“, място 1 от 2 в класацията."),
                ("500", "руски", "Въведено „500 руски“, място 2 от 3 в класацията.")]:
            self.click_item("speakersList", count)
            self.click_item("languagesList", language)
            self.click_button("enterButton")
            self.assertEqual(self.announcement(), heard)
        self.assertEqual(self.lists()[2], [["700 арабски", "500 руски", "300 немски"], -1])

        self.click_item("rankingList", "500 руски")
        self.assertEqual(self.lists()[2][1], 1)
        self.click_button("takeOutButton")
        self.assertEqual(self.announcement(), "Изведено „500 руски“. В класацията остават 2 реда.")
        speakers, languages, ranking = self.lists()
        self.assertEqual(speakers[0], ["100", "200", "400", "500", "600", "800", "900"])
        self.assertEqual(languages[0],
                         ["английски", "испански", "италиански", "китайски", "руски", "френски"])
        self.assertEqual(ranking, [["700 арабски", "300 немски"], -1])

        self.click_button("deleteButton")
        self.assertEqual(self.announcement(),
                         "Класацията е изтрита. Избрани са първият брой и първият език.")
        self.assertEqual(self.lists(), START)

    def test_keyboard_exercise_from_the_start_focus_with_a_mark_on_each_control(self):
        visited = [self.driver.evaluate(MARK)]
        for _ in TAB_ORDER[1:]:
            self.driver.press("Tab")
            visited.append(self.driver.evaluate(MARK))
        self.assertEqual(visited, [
            ["statement", True, *SOLID_MARK],
            ["speakersList", True, "dotted", "2px", "rgb(255, 255, 255)"],  # on the selection
            ["languagesList", True, "dotted", "2px", "rgb(255, 255, 255)"],
            ["rankingList", True, *SOLID_MARK],
            ["enterButton", True, *SOLID_MARK],
            ["takeOutButton", True, *SOLID_MARK],
            ["deleteButton", True, *SOLID_MARK]])
        for _ in range(5):
            self.driver.press("Tab", shift=True)
        self.assertEqual(self.focused(), "speakersList")

        self.driver.press("ArrowDown")
        self.driver.press("ArrowDown")
        self.driver.press("Tab")
        self.driver.press("End")
        self.assertEqual([box[1] for box in self.lists()], [2, 7, -1])
        for _ in range(2):
            self.driver.press("Tab")
        self.driver.press("Enter")
        self.assertEqual(self.lists()[2], [["300 френски"], -1])
        self.assertEqual(self.announcement(), "Въведено „300 френски“, място 1 от 1 в класацията.")

        self.driver.press("Tab", shift=True)
        self.driver.press("ArrowDown")  # with nothing selected, the first Down selects
        self.assertEqual(self.lists()[2], [["300 френски"], 0])
        for _ in range(2):
            self.driver.press("Tab")
        self.driver.press(" ")
        self.assertEqual(self.lists()[2], [[], -1])
        self.assertEqual(self.announcement(), "Изведено „300 френски“. Класацията е празна.")

        self.driver.press("Tab")
        self.driver.press("Enter")
        self.assertEqual(self.lists(), START)
        self.assertEqual(self.announcement(),
                         "Класацията е празна. Избрани са първият брой и първият език.")

    def test_lists_buttons_and_statement_framed_on_four_sides(self):
        frames = self.driver.evaluate(f"""{FRAMED!r}.map(id => {{
          const s = getComputedStyle(document.getElementById(id));
          return [id, ...['Top', 'Right', 'Bottom', 'Left'].map(side =>
            [s['border' + side + 'Style'], s['border' + side + 'Width'],
             s['border' + side + 'Color']].join(' '))];
        }})""")
        self.assertEqual(frames, [
            ["enterButton", *["solid 1px rgb(64, 64, 64)"] * 4],
            ["takeOutButton", *["solid 1px rgb(64, 64, 64)"] * 4],
            ["deleteButton", *["solid 1px rgb(64, 64, 64)"] * 4],
            ["speakersList", *["solid 2px rgb(64, 64, 64)"] * 4],
            ["languagesList", *["solid 2px rgb(64, 64, 64)"] * 4],
            ["rankingList", *["solid 2px rgb(64, 64, 64)"] * 4],
            ["statement", *["solid 2px rgb(64, 64, 64)"] * 4]])
        self.assertEqual(self.driver.evaluate(
            "(s => [s.backgroundColor, s.color])(getComputedStyle("
            "document.querySelector('#speakersList [aria-selected=true]')))"),
            ["rgb(0, 0, 128)", "rgb(255, 255, 255)"])

    def test_no_sideways_scrolling_at_320_px(self):
        self.driver.resize(320, 480)
        self.driver.open(PAGE.as_uri(), STARTED)  # in WebKit a frame, where it takes no focus
        self.assertEqual(self.driver.evaluate("""(() => {
          const bad = [];
          if (document.documentElement.scrollWidth > innerWidth) bad.push('the page');
          for (const e of document.querySelectorAll('#window > :not(.print-only)')) {
            const r = e.getBoundingClientRect();
            if (r.left < 0 || r.right > innerWidth) bad.push(e.id);
          }
          return [innerWidth, bad];
        })()"""), [320, []])
        self.click_item("languagesList", "руски")
        self.click_button("enterButton")
        self.assertEqual(self.lists()[2], [["100 руски"], -1])


def main():
    global PAGE, ENGINE
    parser = argparse.ArgumentParser()
    parser.add_argument("--page", required=True, type=pathlib.Path)
    parser.add_argument("--engine", required=True, choices=sorted(engines.ENGINES))
    args, rest = parser.parse_known_args()
    PAGE, ENGINE = args.page.resolve(), args.engine
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
