// A window of picture controls for the screenshot test: one control per file given, in a row of
// cells at fixed screen places, each picture stretched over its cell. With --start-picture EXE
// the last cell shows the start picture embedded in that program.

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "gui/win32/win32_gui.h"

namespace {

constexpr int kCell = 120;
constexpr int kGap = 10;

// The JPEG resource "STARTJPEG" of a program, written out as a file the control can load.
std::string extractStartPicture(const std::string& program, const std::string& target) {
  HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HRSRC resource = module ? FindResourceA(module, "STARTJPEG", "JPEG") : nullptr;
  if (!resource) {
    std::fprintf(stderr, "no STARTJPEG resource in %s\n", program.c_str());
    std::exit(3);
  }
  const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, resource)));
  std::ofstream(target, std::ios::binary).write(bytes, SizeofResource(module, resource));
  FreeLibrary(module);
  return target;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> files(argv + 1, argv + argc);
  if (files.size() >= 2 && files[files.size() - 2] == "--start-picture") {
    std::string program = files.back();
    files.resize(files.size() - 2);
    files.push_back(extractStartPicture(program, program + ".start.jpg"));
  }
  win32::Application app;
  win32::Factory factory(app);
  int width = static_cast<int>(files.size()) * (kCell + kGap) + kGap;
  auto form = factory.form({"PictureGallery", "Gallery", width, kCell + 2 * kGap, false, true});
  form->setBounds({0, 0, width, kCell + 2 * kGap});
  std::vector<std::unique_ptr<gui::Picture>> cells;
  for (std::size_t i = 0; i < files.size(); ++i) {
    int left = kGap + static_cast<int>(i) * (kCell + kGap);
    auto cell = factory.picture({"cell", form.get(), {left, kGap, kCell, kCell}, "", {}},
                                gui::PictureLook::Empty);
    cell->setDrawing({true, false, false});
    gui::runGuarded(app, [&] { cell->loadFromFile(files[i]); });
    std::printf("%s %d x %d\n", files[i].c_str(), cell->pictureWidth(), cell->pictureHeight());
    cells.push_back(std::move(cell));
  }
  std::fflush(stdout);
  form->show();
  app.run();
  return 0;
}
