// SPDX-License-Identifier: MIT
#include "pictures/QtPictures.h"

#include <QGuiApplication>
#include <cstdlib>
#include <exception>

#include "plot/Redraw.h"
#include "plot/Templates.h"
#include "render/QtSurface.h"

namespace ribcraft {

namespace {

class QtPictureCommands final : public PictureCommands {
public:
    ~QtPictureCommands() override = default;

    CommandResult prepare() override {
        // Text metrics and painting need a GUI application object, but never a screen.
        if (QGuiApplication::instance()) return {};
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
        return {};
    }

    CommandResult png(SharedState& state, int width, int height, const std::string& path) override {
        return guarded([&] { return drawPng(state, width, height, path); });
    }

    CommandResult templates(SharedState& state, const TemplateJob& job, TemplatePage page,
                            const std::string& path) override {
        return guarded([&] { return printTemplates(state, job, page, path); });
    }

private:
    // No exception leaves the plugin: the program may link another copy of the C++ runtime.
    template <typename F> static CommandResult guarded(F&& f) noexcept {
        try {
            return f();
        } catch (const std::exception& e) {
            return CommandResult::failure(ErrorKind::WriteFailed, std::string("the picture was not made: ") + e.what());
        }
    }

    CommandResult drawPng(SharedState& state, int width, int height, const std::string& path) {
        if (!QGuiApplication::instance())
            return CommandResult::failure(ErrorKind::NotAvailable, "pictures need a GUI application object");
        ImageSurface picture(width, height);
        picture.SetBackColor(state.whiteBackground() ? QBColor(15) : QBColor(0));
        picture.SetForeColor(state.whiteBackground() ? QBColor(0) : QBColor(15));
        if (CommandResult r = RedrawView(state, picture); !r.ok()) return r;
        if (Status st = picture.SavePng(path); !st) return CommandResult::from(st);
        return {};
    }

    CommandResult printTemplates(SharedState& state, const TemplateJob& job, TemplatePage page,
                                 const std::string& path) {
        if (!QGuiApplication::instance())
            return CommandResult::failure(ErrorKind::NotAvailable, "pictures need a GUI application object");
        const QPageSize::PageSizeId size = page == TemplatePage::A4   ? QPageSize::A4
                                           : page == TemplatePage::A3 ? QPageSize::A3
                                                                      : QPageSize::Letter;
        // The document is drawn in memory and replaces the file only when every page was printed.
        CommandResult printed;
        const Status saved = SavePdf(
            path,
            [&](PdfSurface& pdf) {
                printed = PrintTemplates(pdf, state, job);
                return printed.ok() ? Status::Ok() : Status::Error(ErrorKind::InvalidInput, printed.message());
            },
            size);
        if (!printed.ok()) return printed;
        if (!saved) return CommandResult::from(saved);
        return printed;
    }

    char m_name[16] = "ribcraft-batch";
    int m_argc = 1;
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QGuiApplication> m_app;
};

} // namespace

std::unique_ptr<PictureCommands> MakeQtPictureCommands() {
    return std::make_unique<QtPictureCommands>();
}

} // namespace ribcraft
