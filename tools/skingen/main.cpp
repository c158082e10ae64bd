// varnelta-skingen: draws the pictures of Varnelta's skin and the program's bitmap resources.
//
//   varnelta-skingen RESOURCES_DIR            writes RESOURCES_DIR/skin/*.bmp and
//                                             RESOURCES_DIR/bitmaps/*.bmp
//   varnelta-skingen --dark RESOURCES_DIR     writes the dark variant's pictures to
//                                             RESOURCES_DIR/skin-dark/*.bmp
//   varnelta-skingen --preview SKIN_DIR FILE.bmp
//                                             parses the skin in SKIN_DIR as the program does
//                                             and writes a preview of its main elements
//
// Run by hand after changing the look; the pictures are kept in the repository so that a
// designer can also edit them directly.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tools/skingen/dark_variant.h"
#include "tools/skingen/pictures.h"
#include "tools/skingen/preview.h"

namespace {

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

int Usage() {
  std::fprintf(stderr,
               "usage: varnelta-skingen RESOURCES_DIR\n"
               "       varnelta-skingen --dark RESOURCES_DIR\n"
               "       varnelta-skingen --preview SKIN_DIR FILE.bmp\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace varnelta::skingen;
  if (argc == 4 && std::string(argv[1]) == "--preview") {
    varnelta::TSkinElements skin;
    std::vector<std::string> problems;
    if (!LoadSkinFolder(argv[2], skin, problems)) {
      std::fprintf(stderr, "varnelta-skingen: no skin description in %s\n", argv[2]);
      return 1;
    }
    for (const std::string& name : problems)
      std::fprintf(stderr, "varnelta-skingen: warning: picture %s not found or unreadable\n",
                   name.c_str());
    if (!WriteFile(argv[3], ComposePreview(skin).SaveToBytes())) {
      std::fprintf(stderr, "varnelta-skingen: cannot write %s\n", argv[3]);
      return 1;
    }
    return problems.empty() ? 0 : 1;
  }
  if (argc == 3 && std::string(argv[1]) == "--dark") {
    const std::filesystem::path folder = std::filesystem::path(argv[2]) / "skin-dark";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    int written = 0;
    for (const SkinPicture& picture : DrawDarkSkinPictures()) {
      if (!WriteFile(folder / picture.file, picture.bitmap.SaveToBytes())) {
        std::fprintf(stderr, "varnelta-skingen: cannot write %s\n", picture.file.c_str());
        return 1;
      }
      ++written;
    }
    std::printf("%d pictures written\n", written);
    return 0;
  }
  if (argc != 2) return Usage();
  const std::filesystem::path root = argv[1];
  std::error_code error;
  std::filesystem::create_directories(root / "skin", error);
  std::filesystem::create_directories(root / "bitmaps", error);
  int written = 0;
  for (const SkinPicture& picture : DrawSkinPictures()) {
    if (!WriteFile(root / "skin" / picture.file, picture.bitmap.SaveToBytes())) {
      std::fprintf(stderr, "varnelta-skingen: cannot write %s\n", picture.file.c_str());
      return 1;
    }
    ++written;
  }
  for (const IndexedPicture& picture : DrawResourcePictures()) {
    if (!WriteFile(root / "bitmaps" / picture.file, EncodeIndexed(picture))) {
      std::fprintf(stderr, "varnelta-skingen: cannot write %s\n", picture.file.c_str());
      return 1;
    }
    ++written;
  }
  std::printf("%d pictures written\n", written);
  return 0;
}
