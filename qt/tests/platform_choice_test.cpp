// SPDX-License-Identifier: MIT
#include "platform_choice.h"

#include <QTest>

#include <map>

// Which platforms the program tries, in which order and where, for each way
// of naming them that the no-display script starts the program with.
class PlatformChoiceTest : public QObject
{
    Q_OBJECT

private slots:
    void platformsToTry_data();
    void platformsToTry();
    void applyLeavesQtTheChosenPlatformAlone();
};

namespace {

// An attempt as the test writes it: the platform, then where it connects.
QString described(const PlatformAttempt &attempt)
{
    const QString platform = QString::fromStdString(attempt.platform);
    const QString display = QString::fromStdString(attempt.display);
    switch (attempt.kind) {
    case PlatformAttempt::Kind::X:
        return display.isEmpty() ? platform + QStringLiteral(" on no display")
                                 : QStringLiteral("%1 on \"%2\"").arg(platform, display);
    case PlatformAttempt::Kind::Wayland:
        if (attempt.connected)
            return QStringLiteral("%1 on \"%2\", connected").arg(platform, display);
        return QStringLiteral("%1 on \"%2\" at '%3'")
            .arg(platform, display, QString::fromStdString(attempt.socket));
    case PlatformAttempt::Kind::Other:
        break;
    }
    return QStringLiteral("%1, key %2").arg(platform, QString::fromStdString(attempt.key()));
}

} // namespace

void PlatformChoiceTest::platformsToTry_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("tried");
    const QString runtime = QStringLiteral("XDG_RUNTIME_DIR=/run/user/7");
    const QString dead = QStringLiteral("WAYLAND_DISPLAY=wayland-9");
    const QString display = QStringLiteral("DISPLAY=:999");

    QTest::newRow("X") << QStringList{runtime, display} << QStringList{}
                       << QStringList{QStringLiteral("xcb on \":999\"")};
    QTest::newRow("nothing named") << QStringList{runtime} << QStringList{}
                                   << QStringList{QStringLiteral("xcb on no display")};
    QTest::newRow("Wayland, no X")
        << QStringList{runtime, dead} << QStringList{}
        << QStringList{QStringLiteral("wayland on \"wayland-9\" at '/run/user/7/wayland-9'"),
                       QStringLiteral("xcb on no display")};
    QTest::newRow("Wayland, then X")
        << QStringList{runtime, dead, display} << QStringList{}
        << QStringList{QStringLiteral("wayland on \"wayland-9\" at '/run/user/7/wayland-9'"),
                       QStringLiteral("xcb on \":999\"")};
    QTest::newRow("a Wayland session without a display name")
        << QStringList{runtime, QStringLiteral("XDG_SESSION_TYPE=wayland"), display}
        << QStringList{}
        << QStringList{QStringLiteral("wayland on \"wayland-0\" at '/run/user/7/wayland-0'"),
                       QStringLiteral("xcb on \":999\"")};
    QTest::newRow("QT_QPA_PLATFORM alone")
        << QStringList{runtime, QStringLiteral("QT_QPA_PLATFORM=wayland"), dead, display}
        << QStringList{}
        << QStringList{QStringLiteral("wayland on \"wayland-9\" at '/run/user/7/wayland-9'")};
    QTest::newRow("QT_QPA_PLATFORM lists two")
        << QStringList{runtime, QStringLiteral("QT_QPA_PLATFORM=wayland;xcb"), dead, display}
        << QStringList{}
        << QStringList{QStringLiteral("wayland on \"wayland-9\" at '/run/user/7/wayland-9'"),
                       QStringLiteral("xcb on \":999\"")};
    QTest::newRow("-platform over the session")
        << QStringList{runtime, dead, display, QStringLiteral("QT_QPA_PLATFORM=offscreen")}
        << QStringList{QStringLiteral("-platform"), QStringLiteral("xcb")}
        << QStringList{QStringLiteral("xcb on \":999\"")};
    QTest::newRow("-display over DISPLAY")
        << QStringList{runtime, display}
        << QStringList{QStringLiteral("--platform"), QStringLiteral("xcb"),
                       QStringLiteral("-display"), QStringLiteral(":998")}
        << QStringList{QStringLiteral("xcb on \":998\"")};
    QTest::newRow("an unknown platform")
        << QStringList{runtime, display}
        << QStringList{QStringLiteral("-platform"), QStringLiteral("nowhere")}
        << QStringList{QStringLiteral("nowhere, key nowhere")};
    QTest::newRow("offscreen with its arguments")
        << QStringList{QStringLiteral("QT_QPA_PLATFORM=offscreen:fontengine=freetype")}
        << QStringList{}
        << QStringList{QStringLiteral("offscreen:fontengine=freetype, key offscreen")};
    QTest::newRow("an empty list")
        << QStringList{QStringLiteral("QT_QPA_PLATFORM=;")} << QStringList{} << QStringList{};
    QTest::newRow("-platform without a value")
        << QStringList{display} << QStringList{QStringLiteral("-platform")}
        << QStringList{QStringLiteral("xcb on \":999\"")};
    QTest::newRow("no runtime folder")
        << QStringList{dead} << QStringList{}
        << QStringList{QStringLiteral("wayland on \"wayland-9\" at ''"),
                       QStringLiteral("xcb on no display")};
    QTest::newRow("an absolute socket")
        << QStringList{QStringLiteral("WAYLAND_DISPLAY=/tmp/w")} << QStringList{}
        << QStringList{QStringLiteral("wayland on \"/tmp/w\" at '/tmp/w'"),
                       QStringLiteral("xcb on no display")};
    QTest::newRow("a socket handed over")
        << QStringList{QStringLiteral("WAYLAND_SOCKET=5"),
                       QStringLiteral("XDG_SESSION_TYPE=wayland")}
        << QStringList{}
        << QStringList{QStringLiteral("wayland on \"wayland-0\", connected"),
                       QStringLiteral("xcb on no display")};
}

void PlatformChoiceTest::platformsToTry()
{
    QFETCH(QStringList, environment);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, tried);
    std::map<std::string, std::string, std::less<>> variables;
    for (const QString &variable : environment) {
        const qsizetype equals = variable.indexOf(QLatin1Char('='));
        variables[variable.left(equals).toStdString()] = variable.mid(equals + 1).toStdString();
    }
    const EnvironmentLookup lookup = [&variables](const char *name) {
        const auto found = variables.find(name);
        return found == variables.end() ? std::string() : found->second;
    };
    std::vector<std::string> kept{"language-ranking"};
    for (const QString &argument : arguments)
        kept.push_back(argument.toStdString());
    const std::vector<std::string_view> views(kept.begin(), kept.end());

    QStringList attempts;
    for (const PlatformAttempt &attempt : ::platformsToTry(views, lookup))
        attempts << described(attempt);
    QCOMPARE(attempts, tried);
}

// Qt takes a -platform argument over the environment, so it goes, whatever
// it listed, and the environment names the one platform chosen.
void PlatformChoiceTest::applyLeavesQtTheChosenPlatformAlone()
{
    const QByteArray before = qgetenv("QT_QPA_PLATFORM");
    std::string program = "language-ranking";
    std::string option = "--platform";
    std::string listed = "nowhere;offscreen";
    std::string other = "-reverse";
    char *argv[] = {program.data(), option.data(), listed.data(), other.data(), nullptr};
    int argc = 4;
    const PlatformChoice choice(argc, argv);
    QCOMPARE(choice.platform(), std::string("offscreen"));
    QCOMPARE(choice.failures(), std::string("\"nowhere\": no such platform"));
    choice.apply(argc, argv);
    const QByteArray applied = qgetenv("QT_QPA_PLATFORM");
    qputenv("QT_QPA_PLATFORM", before);
    QCOMPARE(applied, QByteArray("offscreen"));
    QCOMPARE(argc, 2);
    QCOMPARE(argv[0], program.c_str());
    QCOMPARE(argv[1], other.c_str());
    QVERIFY(argv[2] == nullptr);
}

QTEST_APPLESS_MAIN(PlatformChoiceTest)
#include "platform_choice_test.moc"
