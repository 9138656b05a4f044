#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the seed sessions of the board fuzzer into corpus/ (see board_fuzzer.cpp for the bytes)."""

from pathlib import Path

SPEAKERS, LANGUAGES, RANKING = 0, 1, 2
ENTER, TAKE_OUT, DELETE = 3, 4, 5


def select(role, index):
    return [role, index]


def pair(count_index, language_index):
    return select(SPEAKERS, count_index) + select(LANGUAGES, language_index) + [ENTER]


# Indexes into the lists as they shrink, so that entries arrive out of order.
FILL_ALL_EIGHT = (pair(4, 2) + pair(0, 0) + pair(6, 5) + pair(1, 4) + pair(3, 1) + pair(2, 2)
                  + pair(0, 1) + pair(1, 0))

SEEDS = {
    "empty": [],
    "selections_only": (select(SPEAKERS, 3) + select(LANGUAGES, 7) + select(RANKING, 0)
                        + select(SPEAKERS, 9) + select(LANGUAGES, 8) + select(SPEAKERS, 255)),
    "fill_all_eight": FILL_ALL_EIGHT,
    "fill_take_out_delete": (FILL_ALL_EIGHT + select(RANKING, 3) + [TAKE_OUT]
                             + select(RANKING, 0) + [TAKE_OUT] + select(RANKING, 5) + [TAKE_OUT]
                             + [DELETE] + pair(2, 3)),
    "actions_without_selection": ([ENTER, TAKE_OUT, DELETE, DELETE] + select(SPEAKERS, 9) + [ENTER]
                                  + select(LANGUAGES, 1) + [ENTER] + pair(8, 7)
                                  + select(RANKING, 1) + [TAKE_OUT, TAKE_OUT]),
    # The entry taken out returns exactly at the selected count and language.
    "take_out_keeps_selections": (pair(2, 2) + pair(5, 5) + select(SPEAKERS, 2)
                                  + select(LANGUAGES, 2) + select(RANKING, 1) + [TAKE_OUT]
                                  + [ENTER] + select(RANKING, 0) + [TAKE_OUT, DELETE]),
}


def main():
    corpus = Path(__file__).resolve().parent / "corpus"
    corpus.mkdir(exist_ok=True)
    for name, actions in SEEDS.items():
        (corpus / name).write_bytes(bytes(actions))


if __name__ == "__main__":
    main()
