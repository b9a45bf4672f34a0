#pragma once

// Expected outputs of the window tests, kept in tests/data/app (see GoldenFile.h). Header-only:
// the window tests include it by its relative path and need QT_TESTCASE_SOURCEDIR from QtTest.

#include "GoldenFile.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <algorithm>

inline QString appDataPath(const QString& name) {
    return QStringLiteral(QT_TESTCASE_SOURCEDIR "/../data/app/") + name;
}

// A rectangle as the listings write it: "x,y widthxheight".
inline QString rectText(QRect r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// "" when `actual` equals the text stored in tests/data/app/<name>; otherwise the number and
// both versions of the first differing line.
inline QString goldenDifference(const QString& name, const std::string& actual) {
    const std::string expected = norvane::test::goldenText(appDataPath(name).toStdString(), actual);
    const QStringList e = QString::fromStdString(expected).split('\n');
    const QStringList a = QString::fromStdString(actual).split('\n');
    for (qsizetype i = 0; i < std::max(e.size(), a.size()); ++i) {
        if (e.value(i) != a.value(i))
            return QStringLiteral("%1 line %2\n  expected: %3\n  actual:   %4")
                .arg(name, QString::number(i + 1), e.value(i), a.value(i));
    }
    return {};
}

// "" when `actual` has the pixels of the PNG tests/data/app/<name>; otherwise the first pixel
// that differs.
inline QString goldenImageDifference(const QString& name, const QImage& actual) {
    if (norvane::test::regenerating())
        actual.save(appDataPath(name), "PNG");
    const QImage expected = QImage(appDataPath(name)).convertToFormat(actual.format());
    if (expected.size() != actual.size())
        return name + QStringLiteral(": missing or of another size");
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (expected.pixel(x, y) != actual.pixel(x, y))
                return QStringLiteral("%1: pixel %2,%3 is %4, expected %5")
                    .arg(name, QString::number(x), QString::number(y),
                         actual.pixelColor(x, y).name(), expected.pixelColor(x, y).name());
        }
    }
    return {};
}
