#include "core/dragdrop/clipboard_formats.h"

#include <array>

#include "core/paths/path_text.h"

namespace olb {
namespace {

struct NamedFormat {
  std::string_view name;
  uint16_t id;  // 0: registered under `registered`
  std::string_view registered;
};

// First equal name decides: some registered names have two spellings.
constexpr std::array<NamedFormat, 45> kNames{{
    {"CF_TEXT", 1, {}},
    {"CF_BITMAP", 2, {}},
    {"CF_METAFILEPICT", 3, {}},
    {"CF_SYLK", 4, {}},
    {"CF_DIF", 5, {}},
    {"CF_TIFF", 6, {}},
    {"CF_OEMTEXT", 7, {}},
    {"CF_DIB", 8, {}},
    {"CF_PALETTE", 9, {}},
    {"CF_PENDATA", 10, {}},
    {"CF_RIFF", 11, {}},
    {"CF_WAVE", 12, {}},
    {"CF_UNICODETEXT", 13, {}},
    {"CF_ENHMETAFILE", 14, {}},
    {"CF_HDROP", 15, {}},
    {"CF_LOCALE", 16, {}},
    {"CF_MAX", 17, {}},
    {"CF_OWNERDISPLAY", 128, {}},
    {"CF_DSPTEXT", 129, {}},
    {"CF_DSPBITMAP", 130, {}},
    {"CF_DSPMETAFILEPICT", 131, {}},
    {"CF_DSPENHMETAFILE", 142, {}},
    {"CF_PRIVATEFIRST", 512, {}},
    {"CF_PRIVATELAST", 767, {}},
    {"CF_GDIOBJFIRST", 768, {}},
    {"CF_GDIOBJLAST", 1023, {}},
    {"CF_IDLIST", 0, "Shell IDList Array"},
    {"CF_OBJECTPOSITIONS", 0, "Shell Object Offsets"},
    {"CF_NETRESOURCE", 0, "Net Resource"},
    {"CF_FILEGROUPDESCRIPTORA", 0, "FileGroupDescriptor"},
    {"CF_FILEGROUPDESCRIPTORW", 0, "FileGroupDescriptorW"},
    {"CF_FILECONTENTS", 0, "FileContents"},
    {"CF_FILENAMEA", 0, "FileName"},
    {"CF_FILENAMEW", 0, "FileNameW"},
    {"CF_PRINTERS", 0, "PrinterFriendlyName"},
    {"CF_FILENAMEMAPA", 0, "FileNameMap"},
    {"CF_FILENAMEMAPW", 0, "FileNameMapW"},
    {"CF_SHELLURL", 0, "UniformResourceLocator"},
    {"CF_PREFERREDDROPEFFECT", 0, "Preferred DropEffect"},
    {"CF_PERFORMEDDROPEFFECT", 0, "Performed DropEffect"},
    {"CF_PASTESUCCEEDED", 0, "Paste Succeeded"},
    {"CF_INDRAGLOOP", 0, "InShellDragLoop"},
    {"CF_FILEDESCRIPTOR", 0, "FileGroupDescriptor"},
    {"CF_FILENAME", 0, "FileName"},
    {"CF_FILENAMEMAP", 0, "FileNameMap"},
}};

}  // namespace

FormatNameMeaning MeaningOfFormatName(std::string_view name) {
  if (name.empty()) return {};
  const std::string upper = UpperAsciiText(name);
  for (const NamedFormat& f : kNames) {
    if (f.name != upper) continue;
    if (f.id != 0) return {f.id, {}};
    return {0, std::string(f.registered)};
  }
  return {0, std::string(name)};
}

uint32_t GetDVAspect(TDVAspects aspect) {
  // DVASPECT_CONTENT 1, THUMBNAIL 2, ICON 4, DOCPRINT 8: bit n for ordinal n.
  return aspect.bits() & 0x0Fu;
}

uint32_t GetTymed(TTymed tymed) {
  if (tymed == TTymed::tiNULL) return 0;
  return 1u << (static_cast<unsigned>(tymed) - 1);
}

HResult CheckForFormatEtc(std::span<const FormatEtc> offered, const FormatEtc& request) {
  HResult result = kDvEDvAspect;
  for (const FormatEtc& f : offered) {
    if (f.cfFormat != request.cfFormat || f.aspect != request.aspect) continue;
    if (f.tymed == request.tymed) return kResultOk;
    result = kDvETymed;
  }
  return result;
}

HResult QueryOfferedFormat(std::span<const FormatEtc> offered, const FormatEtc& request) {
  for (const FormatEtc& f : offered) {
    if (f.cfFormat != request.cfFormat) continue;
    if (f.aspect != request.aspect) return kDvEDvAspect;
    if (f.tymed != request.tymed) return kDvETymed;
    return kResultOk;
  }
  return kDvEFormatEtc;
}

}  // namespace olb
