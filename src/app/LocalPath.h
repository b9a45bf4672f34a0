#pragma once

#include <QString>

#include <string>

// A path as the bytes the file system uses, for the core's file functions.
std::string localPath(const QString& path);

// `name` inside `directory`, with one separator between them.
QString pathInDirectory(const QString& directory, const QString& name);
