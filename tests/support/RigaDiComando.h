#pragma once
// Runs the real quorvane-cli binary (test_storage only, where QUORVANE_CLI names it).
#include <QProcess>
#include <QStringList>
#include <filesystem>

#include <gtest/gtest.h>

#include "core/db/CartellaDati.h"
#include "support/SupportoQt.h"

namespace test {

struct EsitoCli {
    int codice;
    QString uscita;
    QString errori;
};

// Runs `programma` (quorvane-cli, or a shell that starts it); `cartellaDati` stands for the
// user's data folder, so that a run never touches the real one.
inline EsitoCli esegui(const QString& programma, const QStringList& argomenti, const QString& cartellaDati) {
    QProcess cli;
    auto ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(quorvane::VariabileCartellaDati, cartellaDati);
    cli.setProcessEnvironment(ambiente);
    cli.start(programma, argomenti);
    EXPECT_TRUE(cli.waitForFinished(30000));
    return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput()),
            QString::fromUtf8(cli.readAllStandardError())};
}

inline EsitoCli eseguiCli(const QStringList& argomenti, const QString& cartellaDati) {
    return esegui(QStringLiteral(QUORVANE_CLI), argomenti, cartellaDati);
}

}  // namespace test
