#pragma once
// Shared test fixtures: a temporary copy of the staged program folder, a fresh program state,
// empty hooks and a scripted Prompt service for every test.

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "platform/prompt_script.h"

namespace testenv {

// Installed once per test program: makes sure every test starts with a clean state.
class GlobalEnvironment : public ::testing::Environment {
public:
    void SetUp() override;
};

// A temporary copy of the staged program tree (<root>/Version.ini, <root>/V101/...);
// TORVA_PROGRAM_DIR points at its V101 folder while the object lives.
class TempProgramDir {
public:
    TempProgramDir();
    ~TempProgramDir();
    QString root() const;       // the folder that holds Version.ini
    QString programDir() const; // root()/V101
    QString path(const QString &relative) const { return programDir() + QLatin1Char('/') + relative; }

private:
    QTemporaryDir dir_;
    QByteArray oldEnv_;
    bool hadEnv_ = false;
};

// Base fixture: fresh state and hooks, a scripted Prompt, a temporary program folder.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::unique_ptr<TempProgramDir> programDir;
    std::unique_ptr<ScriptedPrompt> script;
};

// Reads a whole file; empty when it cannot be read.
QByteArray ReadAll(const QString &path);
// Copies a folder tree.
bool CopyTree(const QString &from, const QString &to);

} // namespace testenv
