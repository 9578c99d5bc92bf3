#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

// Runs the installed-to-be program itself: its command line is read before any window opens.
class CommandLineTest : public QObject {
    Q_OBJECT

    struct Run {
        int exitCode = -1;
        QProcess::ExitStatus status = QProcess::CrashExit;
        QString out;
        QString err;
    };

    // The environment of a machine with no display at all, where only the text options can answer.
    static QProcessEnvironment withoutDisplay()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        return env;
    }

    static Run run(const QStringList& arguments, const QProcessEnvironment& env = withoutDisplay())
    {
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(TALVERTABLE_PROGRAM), arguments);
        Run result;
        if (!program.waitForFinished(20000)) {
            program.kill();
            program.waitForFinished();
            return result;
        }
        result.exitCode = program.exitCode();
        result.status = program.exitStatus();
        result.out = QString::fromUtf8(program.readAllStandardOutput());
        result.err = QString::fromUtf8(program.readAllStandardError());
        return result;
    }

    // True when the program is still up after a while: it got past its command line and opened its menu.
    static bool staysUp(const QStringList& arguments, const QProcessEnvironment& env)
    {
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(TALVERTABLE_PROGRAM), arguments);
        if (!program.waitForStarted())
            return false;
        const bool finished = program.waitForFinished(2000);
        if (!finished) {
            program.kill();
            program.waitForFinished();
        }
        return !finished;
    }

private slots:
    void versionWithoutDisplay_data()
    {
        QTest::addColumn<QString>("option");
        QTest::newRow("long") << "--version";
        QTest::newRow("short") << "-v";
    }

    void versionWithoutDisplay()
    {
        QFETCH(QString, option);
        const Run result = run({option});
        QCOMPARE(result.status, QProcess::NormalExit);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QStringLiteral("talvertable " EXPECTED_VERSION "\n"));
    }

    void helpListsTheOptions_data()
    {
        QTest::addColumn<QString>("option");
        QTest::newRow("long") << "--help";
        QTest::newRow("short") << "-h";
    }

    void helpListsTheOptions()
    {
        QFETCH(QString, option);
        const Run result = run({option});
        QCOMPARE(result.status, QProcess::NormalExit);
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.out.startsWith(QStringLiteral("Usage: ")), qPrintable(result.out));
        QVERIFY2(result.out.contains(QStringLiteral("Таблицы Тальвера")), qPrintable(result.out));
        for (const char* listed : {"-h, --help", "-v, --version"})
            QVERIFY2(result.out.contains(QString::fromLatin1(listed)), listed);
    }

    void rejectsWhatItDoesNotTake_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("offscreen");
        QTest::addColumn<QString>("named");
        // An unknown option may be one of Qt's own, which only QApplication knows: it needs a display.
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << true << "frobnicate";
        QTest::newRow("file name") << QStringList{"pipes.txt"} << false << "pipes.txt";
        QTest::newRow("file name after Qt's option") << QStringList{"-platform", "offscreen", "pipes.txt"}
                                                     << false << "pipes.txt";
    }

    void rejectsWhatItDoesNotTake()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, offscreen);
        QFETCH(QString, named);
        QProcessEnvironment env = withoutDisplay();
        if (offscreen)
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        const Run result = run(arguments, env);
        QCOMPARE(result.status, QProcess::NormalExit);
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(named), qPrintable(result.err));
        QVERIFY(result.out.isEmpty());
    }

    void startsWithQtsOwnOptionsOrNone()
    {
        QProcessEnvironment offscreen = withoutDisplay();
        offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QVERIFY(staysUp({}, offscreen));
        QVERIFY(staysUp({QStringLiteral("-platform"), QStringLiteral("offscreen")}, withoutDisplay()));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
