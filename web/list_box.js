// SPDX-License-Identifier: MIT
// A single-select list box (role listbox) over an element that already holds
// its options. It draws what show() gives it and reports the item the user
// chooses to onChoose(index), without selecting it itself: the selection is
// the owner's, and comes back through show(). It calls onEnteredEmpty() when
// it takes the focus holding no item. The current item is the keyboard's
// cursor. topRowShowing(row, topRow, visibleRows) is the rule for minimal
// scrolling by whole rows; topRow(), visibleRows() and setTopRow() let the
// owner apply its own.
class ListBox {
    constructor(element, {onChoose, onEnteredEmpty, topRowShowing}) {
        this.element = element;
        this.onChoose = onChoose;
        this.onEnteredEmpty = onEnteredEmpty;
        this.topRowShowing = topRowShowing;
        const current = element.querySelector('.current');
        this.current = current ? [...element.children].indexOf(current) : -1;
        this.currentText = current ? current.textContent : null;
        this.items = [...element.children].map(option => option.textContent);
        this.selected = this.items.findIndex((_, index) =>
            element.children[index].getAttribute('aria-selected') === 'true');
        element.addEventListener('click', event => this.clicked(event));
        element.addEventListener('keydown', event => this.keyPressed(event));
        element.addEventListener('focus', () => this.focused());
        element.addEventListener('mousedown', () => this.pressed());
    }

    // Only a click that starts and ends on one item selects it; a press that
    // ends anywhere else, or a touch that scrolls, selects nothing.
    clicked(event) {
        const option = event.target.closest('[role=option]');
        if (option && option.parentElement === this.element)
            this.onChoose([...this.element.children].indexOf(option));
    }

    // The pointer's focus leaves the list where it is, under the pointer.
    pressed() {
        this.pointerFocus = document.activeElement !== this.element;
    }

    focused() {
        if (this.items.length === 0)
            this.onEnteredEmpty();
        else if (!this.pointerFocus)
            this.reveal(this.current);
        this.pointerFocus = false;
    }

    keyPressed(event) {
        if (event.altKey || event.ctrlKey || event.metaKey || this.items.length === 0)
            return;
        const target = this.keyTarget(event.key);
        if (target === null)
            return;
        event.preventDefault();
        this.onChoose(Math.max(0, Math.min(this.items.length - 1, target)));
    }

    // With nothing selected, the first step selects the current item itself.
    keyTarget(key) {
        const step = this.selected < 0 ? 0 : 1;
        const page = Math.max(1, this.visibleRows() - 1);
        switch (key) {
        case 'ArrowDown':
            return this.current + step;
        case 'ArrowUp':
            return this.current - step;
        case 'PageDown':
            return this.current + (this.selected < 0 ? 0 : page);
        case 'PageUp':
            return this.current - (this.selected < 0 ? 0 : page);
        case 'Home':
            return 0;
        case 'End':
            return this.items.length - 1;
        case ' ':
            return this.current;
        }
        return key.length === 1 ? this.nextStartingWith(key) : null;
    }

    nextStartingWith(key) {
        const wanted = key.toLocaleLowerCase('bg');
        for (let offset = 1; offset <= this.items.length; ++offset) {
            const index = (this.current + offset) % this.items.length;
            if (this.items[index].toLocaleLowerCase('bg').startsWith(wanted))
                return index;
        }
        return null;
    }

    // Shows @p items with item @p selected selected (-1: none).
    show(items, selected) {
        const changed = selected !== this.selected || items.length !== this.items.length ||
                        items.some((item, index) => item !== this.items[index]);
        if (!changed)
            return;
        const selectedInPlace = selected >= 0 && selected !== this.selected &&
                                selected === this.current && items[selected] === this.currentText;
        this.drawItems(items);
        this.items = items;
        this.selected = selected;
        if (selectedInPlace && document.activeElement === this.element)
            this.renewOption(selected);
        this.moveCurrent(selected >= 0 ? selected : this.nearestToCurrent());
        if (selected >= 0)
            this.reveal(selected);
    }

    drawItems(items) {
        const options = this.element.children;
        items.forEach((item, index) => {
            if (index >= options.length) {
                const option = document.createElement('div');
                option.setAttribute('role', 'option');
                option.id = this.element.id + '-' + index;
                this.element.append(option);
            }
            if (options[index].textContent !== item)
                options[index].textContent = item;
        });
        while (options.length > items.length)
            options[options.length - 1].remove();
    }

    // A screen reader speaks the item the keyboard is on when the focus moves
    // to another item, not when the item it is on becomes selected: a key that
    // selects the current item in place gives it a new element, so that it is
    // spoken as the item the key reached.
    renewOption(index) {
        const option = this.element.children[index];
        option.replaceWith(option.cloneNode(true));
    }

    // The current item itself if it is still in the list, else the item that
    // took its place, so that no item is skipped.
    nearestToCurrent() {
        const index = this.items.indexOf(this.currentText);
        if (index >= 0)
            return index;
        return Math.min(Math.max(this.current, 0), this.items.length - 1);
    }

    moveCurrent(index) {
        const options = this.element.children;
        for (let each = 0; each < options.length; ++each) {
            options[each].classList.toggle('current', each === index);
            // Stated for every item, so that no browser infers a selection.
            options[each].setAttribute('aria-selected', each === this.selected ? 'true' : 'false');
        }
        this.current = index;
        this.currentText = index >= 0 ? this.items[index] : null;
        if (index >= 0)
            this.element.setAttribute('aria-activedescendant', options[index].id);
        else
            this.element.removeAttribute('aria-activedescendant');
        if (document.activeElement === this.element)
            this.reveal(index);
    }

    focus() {
        this.element.focus();
    }

    rowHeight() {
        const first = this.element.firstElementChild;
        return first ? first.offsetHeight : 0;
    }

    visibleRows() {
        const row = this.rowHeight();
        return row > 0 ? Math.max(1, Math.floor(this.element.clientHeight / row)) : 1;
    }

    // The first row in view.
    topRow() {
        const row = this.rowHeight();
        return row > 0 ? Math.round(this.element.scrollTop / row) : 0;
    }

    setTopRow(topRow) {
        if (topRow !== this.topRow())
            this.element.scrollTop = topRow * this.rowHeight();
    }

    // Scrolls whole rows, only as far as it takes to show row @p index.
    reveal(index) {
        if (index >= 0 && this.rowHeight() > 0)
            this.setTopRow(this.topRowShowing(index, this.topRow(), this.visibleRows()));
    }
}
