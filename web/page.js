// SPDX-License-Identifier: MIT
// The exercise's page: builds every control from the form description that
// the WebAssembly module exports, and after every action shows the board's
// three lists as the module reports them. The module is the only state.

// The runtime below picks this object up and calls back once it is ready.
// The page stays reachable as Module.exercisePage, which the tests read.
var Module = {
    onRuntimeInitialized: function () {
        Module.exercisePage = new ExercisePage(Module, document.getElementById('window'),
                                               document.getElementById('announcement'));
        performance.mark('lists-filled');
    },
};

// The platform's metric twin of the form's font, then any serif.
const fontFallbacks = '"Liberation Serif", serif';

function placeControl(element, control, description) {
    const geometry = control.geometry;
    element.id = control.name;
    Object.assign(element.style, {
        left: geometry.left + 'px',
        top: geometry.top + 'px',
        width: geometry.width + 'px',
        height: geometry.height + 'px',
    });
    if (control.background !== null) {
        element.style.backgroundColor = control.background;
        element.style.color = description.textOnFixedColour;
    }
}

// One <select> list box showing one of the board's lists.
class ListBox {
    constructor(select, role) {
        this.select = select;
        this.role = role;
    }

    show(items, selectedIndex) {
        const options = this.select.options;
        items.forEach((item, index) => {
            if (index >= options.length)
                this.select.add(new Option(item));
            else if (options[index].text !== item)
                options[index].text = item;
        });
        while (options.length > items.length)
            this.select.remove(options.length - 1);
        // Selecting again would scroll the box back to its selection, so only
        // a changed selection is set; the browser then scrolls no further than
        // it takes to show the selected item whole, as the desktop windows do.
        if (this.select.selectedIndex !== selectedIndex)
            this.select.selectedIndex = selectedIndex;
    }
}

class ExercisePage {
    constructor(module, windowElement, announcement) {
        this.session = new module.BoardSession();
        this.announcement = announcement;
        this.listBoxes = [];
        const description = module.formDescription();
        this.styleWindow(windowElement, description);
        this.buildControls(windowElement, description);
        this.refresh();
    }

    styleWindow(windowElement, description) {
        document.title = description.caption;
        document.body.style.backgroundColor = description.windowBackground;
        const font = description.font;
        Object.assign(windowElement.style, {
            width: description.clientSize.width + 'px',
            height: description.clientSize.height + 'px',
            backgroundColor: description.windowBackground,
            fontFamily: '"' + font.family + '", ' + fontFallbacks,
            fontSize: font.pointSize + 'pt',
            fontWeight: String(font.weight),
        });
    }

    // Controls that take no focus come first; the others follow in the
    // desktop window's tab order, which the document order then gives.
    buildControls(windowElement, description) {
        const controls = description.controls;
        const unfocused = controls.filter(control => control.tabPosition === 0);
        const focused = controls.filter(control => control.tabPosition > 0)
                            .sort((a, b) => a.tabPosition - b.tabPosition);
        for (const control of unfocused.concat(focused)) {
            const element = this.createControl(control, description.font);
            placeControl(element, control, description);
            windowElement.append(element);
        }
    }

    createControl(control, font) {
        switch (control.kind) {
        case 'label':
            return this.createLabel(control);
        case 'list':
            return this.createListBox(control, font);
        case 'command':
            return this.createButton(control);
        case 'statement':
            return this.createStatement(control);
        }
        throw new TypeError('unknown control kind ' + control.kind);
    }

    // A label that names a control is its <label>; the one that names none
    // is the window's title.
    createLabel(control) {
        const element = document.createElement(control.labelFor ? 'label' : 'h1');
        element.textContent = control.text;
        if (control.labelFor)
            element.htmlFor = control.labelFor;
        return element;
    }

    createListBox(control, font) {
        const select = document.createElement('select');
        // The size only makes it a list box; its height is the form's.
        const rowHeight = font.pointSize * 96 / 72 * 1.2;
        select.size = Math.max(2, Math.floor(control.geometry.height / rowHeight));
        const listBox = new ListBox(select, control.role);
        select.addEventListener('change', () => {
            this.session.setListIndex(listBox.role, select.selectedIndex);
            this.refresh();
        });
        this.listBoxes.push(listBox);
        return select;
    }

    createButton(control) {
        const button = document.createElement('button');
        button.type = 'button';
        button.textContent = control.text;
        button.addEventListener('click', () => this.press(control.command));
        return button;
    }

    createStatement(control) {
        const textarea = document.createElement('textarea');
        textarea.readOnly = true;
        // As its default value the text leaves the caret, and the view, at its
        // start; autofocus then gives it the focus without forcing a layout.
        textarea.defaultValue = control.text;
        textarea.autofocus = true;
        textarea.setAttribute('aria-label', control.accessibleName);
        textarea.spellcheck = false;
        this.statement = textarea;
        return textarea;
    }

    press(commandIndex) {
        const sentence = this.session.runCommand(commandIndex);
        this.refresh();
        this.announce(sentence);
    }

    // A screen reader hears a live region only when its text changes, so the
    // same sentence twice goes out as a fresh one after a short blank.
    announce(sentence) {
        clearTimeout(this.announceTimer);
        if (this.announcement.textContent !== sentence) {
            this.announcement.textContent = sentence;
            return;
        }
        this.announcement.textContent = '';
        this.announceTimer = setTimeout(() => { this.announcement.textContent = sentence; }, 100);
    }

    refresh() {
        for (const listBox of this.listBoxes)
            listBox.show(this.session.items(listBox.role), this.session.listIndex(listBox.role));
    }
}
