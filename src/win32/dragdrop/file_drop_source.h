// TKrFileDropSource: runs an OLE drag that offers its `Files` as a shell
// file list (CF_HDROP) and as the shell's item list ("Shell IDList Array"),
// with the shell's drag image of the control when the drag starts there.
#pragma once

#include <vector>

#include "core/dragdrop/drop_files.h"
#include "win32/dragdrop/drop_source.h"
#include "win32/dragdrop/hdrop.h"

namespace olb::win {

class TKrFileDropSource : public TKrCustomDropSource {
 public:
  TKrFileDropSource();
  ~TKrFileDropSource() override;

  FileList Files;
  // The point of the control the drag image hangs from (client
  // coordinates); the press point in automatic mode.
  POINT DragImagePoint{};

  HRESULT GetData(FORMATETC& formatetcIn, STGMEDIUM& medium) override;
  HRESULT GetDataHere(FORMATETC& formatetc, STGMEDIUM& medium) override;
  HRESULT QueryGetData(FORMATETC& formatetc) override;
  // Keeps what the shell's drag-image helper stores in the data object.
  HRESULT SetData(FORMATETC& formatetc, STGMEDIUM& medium, bool fRelease) override;

 protected:
  void PrepareDrag(IDataObject* data) override;

 private:
  struct Stored {
    FORMATETC format;
    GlobalMemory block;
  };
  const Stored* Find(const FORMATETC& f) const;
  void ClearStore();
  std::vector<Stored> store_;
};

// The shell's item list for `files`: a CIDA block whose parent is the
// desktop and whose items are the files' absolute identifier lists; empty
// when a path cannot be parsed.
GlobalMemory NewShellIdListBlock(const FileList& files);

}  // namespace olb::win
