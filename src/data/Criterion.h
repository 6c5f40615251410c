#pragma once

#include <QString>

#include <optional>

// A find criterion of the form  Table.[Field] = 'value'.
struct Criterion {
    QString table; // empty when the field is not qualified
    QString field;
    QString value;

    // The prefix ends with the opening quote; a quote inside the value is doubled.
    static QString build(const QString& prefix, const QString& value);
    // Nothing when the text is not such a criterion.
    static std::optional<Criterion> parse(const QString& text);
};
