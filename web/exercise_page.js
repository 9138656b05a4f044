// SPDX-License-Identifier: MIT
// The exercise over the module's board: each list box shows one of the
// board's lists, a user's choice in a list goes to the board first, and a
// press of a command button runs on the board and is announced. The learning
// platform (learning_platform.js) hears whether the ranking is complete.
class ExercisePage {
    constructor(module, document, platform) {
        this.module = module;
        this.platform = platform;
        this.session = new module.BoardSession();
        this.announcement = document.getElementById('announcement');
        // Each list box with the role of the board's list it shows.
        this.shownLists = [...document.querySelectorAll('#window [role=listbox]')].map(element => {
            const role = module.ListRole.values[element.dataset.role];
            const listBox = new ListBox(element, {
                onChoose: index => this.select(role, index),
                onEnteredEmpty: () => this.announce(element.dataset.emptySentence),
                topRowShowing: module.topRowShowing,
            });
            const label = document.getElementById(element.getAttribute('aria-labelledby'));
            label.addEventListener('click', () => listBox.focus());
            return {role, listBox};
        });
        for (const button of document.querySelectorAll('#window button[data-command]'))
            button.addEventListener('click', () => this.press(button));
        this.refresh();
    }

    select(role, index) {
        this.session.setListIndex(role, index);
        this.refresh();
    }

    // The board decides what a press brings into view; the lists only scroll there.
    press(button) {
        const sentence = this.session.press(Number(button.dataset.command));
        this.refresh();
        for (const {role, listBox} of this.shownLists) {
            listBox.setTopRow(this.session.topRowAfterPress(role, listBox.topRow(),
                                                            listBox.visibleRows()));
        }
        this.announce(sentence);
    }

    // A screen reader hears a live region when its text changes, and Orca
    // takes the same text twice in a row for one message: the same sentence
    // again comes with a no-break space added or taken away, which no one hears.
    announce(sentence) {
        const previous = this.announcement.textContent;
        this.announcement.textContent =
            previous === sentence ? sentence + '\u00a0' : sentence;
    }

    refresh() {
        for (const {role, listBox} of this.shownLists)
            listBox.show(this.session.items(role), this.session.listIndex(role));
        // The ranking is complete once no language is left to place.
        const languagesLeft = this.session.items(this.module.ListRole.Languages).length;
        this.platform.rankingChanged(languagesLeft === 0);
    }
}
