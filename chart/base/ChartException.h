#pragma once
// Errors that chart property setters raise; the message is the text the user sees.

#include <QString>

#include <stdexcept>

class ChartException : public std::runtime_error {
public:
    explicit ChartException(const QString& message) : std::runtime_error(message.toStdString()) {}
};
