#pragma once

// One fuzz target's check: it feeds one input to the rules and stops the program when a promise
// of the rules is broken. libfuzzer.cpp hands it libFuzzer's inputs; regressions.cpp hands it
// every file of the committed corpus and regression folders in the ordinary test suite.

#include <QByteArrayView>
#include <QString>

#include <type_traits>

void checkInput(QByteArrayView input);

// Stops the program with the promise (and what broke it) on standard error. An abort is what
// libFuzzer keeps an input for, and what fails a test.
[[noreturn]] void fail(const char *promise, const QString &detail = {});

inline void require(bool kept, const char *promise)
{
    if (!kept)
        fail(promise);
}

// The detail is a text, or a function giving one that runs only when the promise is broken.
template<typename Detail>
void require(bool kept, const char *promise, const Detail &detail)
{
    if (kept)
        return;
    if constexpr (std::is_invocable_v<Detail>)
        fail(promise, detail());
    else
        fail(promise, detail);
}

// True when every surrogate in the text stands in a pair.
bool isWellFormed(QStringView text);

// The text with its code units in hexadecimal, for messages about texts that do not print.
QString codeUnits(QStringView text);
