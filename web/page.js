// SPDX-License-Identifier: MIT
// The exercise's page: the markup already shows the start state; once the
// WebAssembly module runs, this attaches behaviour to it, and after every
// action the list boxes draw the board's three lists as the module reports
// them. The module is the only state: a user's selection goes to it first.
//
// This is the page's start-up; the list box (list_box.js), the controller
// (exercise_page.js) and the learning platform (learning_platform.js) come
// before it in the same inline script.

// Where a text no longer fits its box at the window's geometry (wider
// letter or word spacing, a larger minimum font), the page takes the one
// column layout, where texts wrap.
function keepTextsWhole(document) {
    const labels = [...document.querySelectorAll('#window .label')];
    const check = () => {
        if (labels.some(label => label.firstElementChild.offsetWidth > label.clientWidth ||
                                 label.firstElementChild.offsetHeight > label.clientHeight))
            document.documentElement.classList.add('column');
    };
    new ResizeObserver(check).observe(document.documentElement);
    for (const label of labels)
        new ResizeObserver(check).observe(label.firstElementChild);
}

// Overlay scroll bars hide while idle: the statement says by a shade at its
// edges whether it has more above or below (the lists' shade, drawn by their
// background, does not scroll with a text box in every engine).
function markMoreToShow(element) {
    const mark = () => {
        element.classList.toggle('more-above', element.scrollTop > 0);
        element.classList.toggle('more-below',
                                 element.scrollTop + element.clientHeight < element.scrollHeight - 1);
    };
    element.addEventListener('scroll', mark, {passive: true});
    new ResizeObserver(mark).observe(element);
}

// A module of 8 bytes that any browser able to run the exercise compiles; a
// browser without WebAssembly, or a host policy that forbids compiling it,
// fails here instead of inside the runtime.
function webAssemblyRuns() {
    try {
        return new WebAssembly.Module(Uint8Array.of(0, 0x61, 0x73, 0x6d, 1, 0, 0, 0)) !== null;
    } catch (error) {
        return false;
    }
}

function showUnavailable(document) {
    document.getElementById('unavailable').hidden = false;
}

// The runtime picks this object up and calls back once it is ready. The page
// stays reachable as Module.exercisePage, which the tests read.
var Module = {
    onRuntimeInitialized: function () {
        Module.exercisePage = new ExercisePage(Module, document, new LearningPlatform(window));
        performance.mark('exercise-ready');
    },
};

function startExercise(document) {
    keepTextsWhole(document);
    markMoreToShow(document.getElementById('statement'));
    // In a frame the host page decides where the focus goes.
    if (window.self === window.top)
        document.getElementById('statement').focus({preventScroll: true});
    if (!webAssemblyRuns())
        return showUnavailable(document);
    try {
        startModule(Module); // the module's runtime, which the build appends to this script
    } catch (error) {
        showUnavailable(document);
    }
}

startExercise(document);
