#pragma once
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <functional>

// A numeric command-line option with its range and where its value goes.
struct NumberOption {
    QCommandLineOption option;
    qint64 min;
    qint64 max;
    std::function<void(qint64)> store;
};

// Stores the option's value when it is set; false with a message when it is out of range.
bool readNumber(const QCommandLineParser& parser, const NumberOption& n, QString* message);

NumberOption port(const char* name, const char* what, quint16* target);
NumberOption interval(const char* name, const char* what, int* target);
