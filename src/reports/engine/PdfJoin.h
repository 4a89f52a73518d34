#pragma once

#include <QByteArray>

#include <optional>
#include <vector>

// Joins PDF files, each written by Qt's PDF engine for a run of a report's
// pages, into one file with all their pages in order. Each part's objects are
// numbered on after the previous part's and its pages hang under the first
// part's page tree; page contents and embedded fonts are copied byte for
// byte, so every page looks as it did in its part. The subset fonts of the
// later parts get tags of their own, as one file's different subsets must.
//
// Nothing when a part is not laid out as Qt lays out its files (a classic
// cross-reference table, a catalog of nothing but its page tree, one flat
// page tree): the caller then writes the pages in one piece.
std::optional<QByteArray> joinPdfParts(const std::vector<QByteArray>& parts);
