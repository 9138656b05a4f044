// SPDX-License-Identifier: MIT
// The module's objects as the page and its tests use them (Module.ListRole,
// Module.BoardSession, Module.topRowShowing), over the module's plain C
// exports; a refused call raises a RangeError that names what was wrong.
// Runs inside the runtime's scope, before it starts.

// The runtime calls this once the module is instantiated.
function ready() {
    Module.onRuntimeInitialized();
}

{
    const text = pointer => {
        let end = pointer;
        while (HEAPU8[end])
            ++end;
        return new TextDecoder().decode(HEAPU8.subarray(pointer, end));
    };
    Module.ListRole = {Speakers: 0, Languages: 1, Ranking: 2, SortBuffer: 3, values: [0, 1, 2, 3]};
    Module.topRowShowing = (row, topRow, visibleRows) =>
        _topRowShowing(row, topRow, visibleRows);
    Module.BoardSession = class {
        constructor() {
            this.handle = _boardSessionNew();
        }
        checked(result) {
            const refusal = text(_boardSessionRefusal(this.handle));
            if (refusal)
                throw new RangeError(refusal);
            return result;
        }
        items(role) {
            const count = this.checked(_boardSessionItemCount(this.handle, role));
            return Array.from({length: count},
                              (_, index) => text(_boardSessionItem(this.handle, role, index)));
        }
        listIndex(role) {
            return this.checked(_boardSessionListIndex(this.handle, role));
        }
        setListIndex(role, index) {
            this.checked(_boardSessionSetListIndex(this.handle, role, index));
        }
        press(index) {
            return text(this.checked(_boardSessionPress(this.handle, index)));
        }
        topRowAfterPress(role, topRow, visibleRows) {
            return this.checked(_boardSessionTopRowAfterPress(this.handle, role, topRow,
                                                              visibleRows));
        }
    };
}
