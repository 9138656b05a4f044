#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What wixl leaves undone in the MSI: Debian's wixl writes no code page, so
# the package gets code page 1251 and its Cyrillic strings again; its
# shortcut is made a plain (not advertised) one; and the check that the
# program is not running, an EXE from the Binary table that wixl cannot
# schedule, runs before anything is installed or removed.
# The uninstall entry's size (ARPSIZE, KB) is that of the FILEs installed; its
# install location (ARPINSTALLLOCATION) is set from the folder chosen, once
# costing has resolved it.
#   finish_msi.sh MSI FILE...
set -euo pipefail
msi=$1
shift
size_kb=$(stat -c %s "$@" | awk '{ s += $1 } END { print int(s / 1024) + 1 }')
name='Класация на езиците'
publisher='Проект Класация'
downgrade='Вече е инсталирана по-нова версия на „Класация на езиците“.'

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"

msibuild "$msi" -i "$work/_ForceCodepage.idt" \
    -q "UPDATE \`Property\` SET \`Value\` = '$name' WHERE \`Property\` = 'ProductName'" \
    -q "UPDATE \`Property\` SET \`Value\` = '$publisher' WHERE \`Property\` = 'Manufacturer'" \
    -q "UPDATE \`Shortcut\` SET \`Name\` = 'KLASAC~1|$name', \`Target\` = '[#ProgramExe]' WHERE \`Shortcut\` = 'StartMenuShortcut'" \
    -q "INSERT INTO \`Property\` (\`Property\`, \`Value\`) VALUES ('ARPSIZE', '$size_kb')" \
    -q "UPDATE \`LaunchCondition\` SET \`Description\` = '$downgrade' WHERE \`Condition\` = 'NOT WIX_DOWNGRADE_DETECTED'" \
    -q "INSERT INTO \`CustomAction\` (\`Action\`, \`Type\`, \`Source\`, \`Target\`) VALUES ('CheckProgramNotRunning', 2, 'RunningCheck', '[UILevel]')" \
    -q "INSERT INTO \`InstallExecuteSequence\` (\`Action\`, \`Sequence\`) VALUES ('CheckProgramNotRunning', 1390)" \
    -q "INSERT INTO \`CustomAction\` (\`Action\`, \`Type\`, \`Source\`, \`Target\`) VALUES ('SetInstallLocation', 51, 'ARPINSTALLLOCATION', '[INSTALLDIR]')" \
    -q "INSERT INTO \`InstallExecuteSequence\` (\`Action\`, \`Sequence\`) VALUES ('SetInstallLocation', 1010)" \
    -s "$name" "$publisher" "x64;1026"
