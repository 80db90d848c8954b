#pragma once
// "Export View...": the current view drawn at a chosen size into a PNG
// picture, an SVG drawing or a one-page PDF, through the same plot routines
// the drawing area uses. A file is written whole or not at all.

#include <optional>
#include <string>
#include <string_view>

#include "app/SharedState.h"
#include "base/Status.h"

namespace ribcraft {

enum class PictureFormat { Png, Svg, Pdf };

// The format named by a file's extension (.png, .svg, .pdf, any case); nullopt otherwise.
std::optional<PictureFormat> PictureFormatFor(std::string_view path);

// Sizes an export accepts, in pixels at 96 per inch.
inline constexpr int MinExportSize = 16;
inline constexpr int MaxExportSize = 20000;

// Draws the view selected by state.VFlag on a width x height picture (pixels at
// 96 per inch; the PDF page has that size in inches / 96) with the
// background the state selects, and writes it to path. On failure the status
// says why and an existing file is left as it was. The view may update the state's texts (plot title, legend), as a
// redraw does.
Status ExportViewFile(SharedState& state, PictureFormat format, int width, int height, const std::string& path);

} // namespace ribcraft
