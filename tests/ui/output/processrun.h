#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace vek::test {

/// What a helper program printed, and whether it ended by itself with exit code 0 in time.
struct ToolRun {
    bool ok = false;
    QByteArray out;
    QByteArray err;
};

/// Runs a program to its end, killing it when it takes longer than `timeoutMs`.
inline ToolRun runTool(const QString& program, const QStringList& arguments, int timeoutMs = 60000,
                       const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForStarted(timeoutMs)) {
        run.err = QStringLiteral("%1 did not start").arg(program).toUtf8();
        return run;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        run.err = QStringLiteral("%1 did not finish in time").arg(program).toUtf8();
        return run;
    }
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    run.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return run;
}

/// The text of a PDF with its layout kept (pdftotext -layout); empty when it cannot be read.
inline QString pdfText(const QString& path) {
    const ToolRun run =
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    return run.ok ? QString::fromUtf8(run.out) : QString();
}

} // namespace vek::test
