// SPDX-License-Identifier: MIT
#pragma once

// The window's fixed Bulgarian texts, UTF-8.

namespace form::texts {

/// The short title that follows the maker's address in the caption.
inline constexpr char shortTitle[] = "Класация на езиците";
inline constexpr char title[] = "Класация на чуждите езици по разпространение";
inline constexpr char speakersLabel[] = "Говорещи";
inline constexpr char languagesLabel[] = "Език";
inline constexpr char rankingLabel[] = "Класация";
inline constexpr char enterButton[] = "Въведи";
inline constexpr char takeOutButton[] = "Изведи";
inline constexpr char deleteButton[] = "Изтрий";
inline constexpr char statementName[] = "Условие на задачата";
/// Said after the current item of a list that is entered without a selection,
/// where the platform's screen reader is not told the item's selection state.
inline constexpr char notSelected[] = "Не е избран.";

/// The exercise statement; paragraphs end with CR LF.
inline constexpr char statement[] =
    "Мандаринският китайски, на който се говори в Китай, Сингапур, Тайван, Индонезия и "
    "други страни, е най-разпространеният език в света по брой на говорещите. В другата "
    "крайност са държави като Швейцария, в чиито различни части официални езици са "
    "немският, френският и италианският.\r\n"
    "\r\n"
    "Да се създаде проект, който свързва обучението по чужди езици с информатиката, "
    "на тема „Класация на чуждите езици по разпространение“.\r\n"
    "\r\n"
    "В две полета със списъци се въвеждат предполагаемият брой на говорещите даден език "
    "(в милиони) и различни чужди езици: английски, арабски, испански, италиански, "
    "китайски, немски, руски и френски.\r\n"
    "\r\n"
    "Потребителят избира данни, по един ред от всеки от двата списъка, и ги въвежда като "
    "връзка „разпространение – език“. В отделен списък се изгражда класация на вече "
    "избраните езици, подредени низходящо по своето разпространение.\r\n"
    "\r\n"
    "Проектът да позволява начално нулиране и изтриване на вече изградена класация, както "
    "и изтриване на отделна връзка „език – разпространение“.";

} // namespace form::texts
