#include "engine/BitmapFont.h"

#include "engine/Display.h"
#include "platform/DiagnosticLog.h"
#include "platform/FileIo.h"
#include "platform/HostPath.h"

namespace {
constexpr int kCellsPerRow = 16;
constexpr size_t kMetricsSize = 256;
}  // namespace

void BitmapFont::Load(Display& display, const std::string& sheetPath, int sheetSize, int cellSize,
                      const std::string& metricsPath) {
    sheet_ = display.LoadImageFile(sheetPath, sheetSize, sheetSize);
    sheetWidth_ = sheetSize;
    sheetHeight_ = sheetSize;
    cellWidth_ = cellSize;
    cellHeight_ = cellSize;
    LoadMetrics(metricsPath);
}

void BitmapFont::LoadMetrics(const std::string& metricsPath) {
    widths_.fill(0);
    std::optional<std::string> bytes = ReadWholeFile(HostPath(metricsPath), kMetricsSize);
    if (!bytes) {
        DiagnosticLog::ReportOnce(metricsPath, "font",
                                  "font metrics \"%s\" is missing; its characters have no width",
                                  metricsPath.c_str());
        return;
    }
    if (bytes->size() < kMetricsSize) {
        DiagnosticLog::ReportOnce(
            metricsPath, "font",
            "font metrics \"%s\" holds %zu of 256 widths; the rest have no width",
            metricsPath.c_str(), bytes->size());
    }
    for (size_t i = 0; i < bytes->size(); ++i) widths_[i] = static_cast<signed char>((*bytes)[i]);
}

int BitmapFont::DrawGlyph(Display& display, unsigned char c, int x, int y) const {
    int width = widths_[c];
    int left = (c % kCellsPerRow) * cellWidth_ + (cellWidth_ - width) / 2;
    int top = (c / kCellsPerRow) * cellHeight_;
    bool insideSheet =
        left >= 0 && left + width <= sheetWidth_ && top + cellHeight_ <= sheetHeight_;
    if (sheet_ && width > 0 && insideSheet) {
        display.DrawImagePart(sheet_.get(), x, y, left, top, left + width, top + cellHeight_);
    }
    return width;
}
