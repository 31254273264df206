#include "platform/task_files_win32.h"

#include <msxml2.h>
#include <shlwapi.h>

#include "base/com_win32.h"
#include "base/handles_win32.h"

namespace tarnix {

namespace {

constexpr char kTaskNamespace[] = "http://schemas.microsoft.com/windows/2004/02/mit/task";
// MSXML 6 comes with every Windows the program runs on; MinGW's headers lack its class id.
constexpr CLSID kDomDocument60 = {
    0x88d96a05, 0xf192, 0x11d4, {0xa6, 0x5f, 0x00, 0x40, 0x96, 0x32, 0x51, 0xe5}};
// What the scheduler itself answers for a definition it cannot parse.
constexpr HRESULT kMalformedXml = static_cast<HRESULT>(0x8004131A);

// From shlwapi, which only this fallback needs.
HRESULT OpenFileStream(const wchar_t* path, DWORD mode, DWORD attributes, BOOL create,
                       IStream* templ, IStream** stream) {
  static auto* const open =
      LateBound<decltype(SHCreateStreamOnFileEx)>(L"shlwapi.dll", "SHCreateStreamOnFileEx");
  return open ? open(path, mode, attributes, create, templ, stream) : E_FAIL;
}

// Where the scheduler keeps a task's file or a folder's directory.
std::wstring StoredPath(const std::string& path) {
  std::wstring system(GetSystemDirectoryW(nullptr, 0), L'\0');
  system.resize(GetSystemDirectoryW(system.data(), static_cast<UINT>(system.size())));
  return system + L"\\Tasks" + Widen(path == "\\" ? "" : path);
}

// The node's name where it is an element of the task namespace, else nothing.
std::string TaskElementName(IXMLDOMNode* node) {
  DOMNodeType type = NODE_INVALID;
  std::string space, name;
  if (FAILED(node->get_nodeType(&type)) || type != NODE_ELEMENT)
    return "";
  const HRESULT read = InOrder(
      {[&] { return ReadText([node](BSTR* out) { return node->get_namespaceURI(out); }, space); },
       [&] { return ReadText([node](BSTR* out) { return node->get_baseName(out); }, name); }});
  return SUCCEEDED(read) && space == kTaskNamespace ? name : "";
}

// Calls visit(name, element) for each child element of the task namespace.
template <typename Visit>
void EachElement(IXMLDOMNode* parent, Visit visit) {
  ComPtr<IXMLDOMNode> child;
  if (parent)
    parent->get_firstChild(child.put());
  while (child.valid()) {
    const std::string name = TaskElementName(child.get());
    if (!name.empty())
      visit(name, child.get());
    ComPtr<IXMLDOMNode> next;
    child->get_nextSibling(next.put());
    child = std::move(next);
  }
}

ComPtr<IXMLDOMNode> Child(IXMLDOMNode* parent, const std::string& wanted) {
  ComPtr<IXMLDOMNode> found;
  EachElement(parent, [&](const std::string& name, IXMLDOMNode* element) {
    if (name == wanted && !found.valid()) {
      element->AddRef();
      found.reset(element);
    }
  });
  return found;
}

std::string TextOf(IXMLDOMNode* parent, const std::string& name) {
  const ComPtr<IXMLDOMNode> element = Child(parent, name);
  std::string text;
  if (element.valid())
    ReadText([&](BSTR* out) { return element->get_text(out); }, text);
  return text;
}

// An <Enabled> that is absent means enabled.
bool EnabledIn(IXMLDOMNode* parent) {
  std::string text = TextOf(parent, "Enabled");
  text.erase(0, text.find_first_not_of(" \t\r\n"));
  text.erase(text.find_last_not_of(" \t\r\n") + 1);
  return text != "false" && text != "0";
}

// Parsed whatever its encoding; white space kept, so that the text given back is the file's.
HRESULT Load(const std::string& path, ComPtr<IXMLDOMDocument>& document) {
  // A stream, not a path, which MSXML would take for a URL ('#', '%').
  ComPtr<IStream> stream;
  VARIANT source{};
  VARIANT_BOOL loaded = VARIANT_FALSE;
  return InOrder(
      {[&] {
         return OpenFileStream(StoredPath(path).c_str(), STGM_READ | STGM_SHARE_DENY_WRITE, 0,
                               FALSE, nullptr, stream.put());
       },
       [&] { return CreateComObject(kDomDocument60, IID_IXMLDOMDocument, document.put_void()); },
       [&] { return document->put_async(VARIANT_FALSE); },
       [&] { return document->put_preserveWhiteSpace(VARIANT_TRUE); },
       [&] {
         source.vt = VT_UNKNOWN;
         source.punkVal = stream.get();
         return document->load(source, &loaded);
       },
       [&] { return loaded ? S_OK : kMalformedXml; }});
}

ScheduledTask TaskIn(IXMLDOMNode* root) {
  ScheduledTask task;
  task.enabled = EnabledIn(Child(root, "Settings").get());
  EachElement(Child(root, "Triggers").get(), [&](const std::string& name, IXMLDOMNode* trigger) {
    if (EnabledIn(trigger)) {
      task.atBoot = task.atBoot || name == "BootTrigger";
      task.atLogon = task.atLogon || name == "LogonTrigger";
    }
  });
  EachElement(Child(root, "Actions").get(), [&](const std::string& name, IXMLDOMNode* action) {
    if (name == "Exec")
      task.actions.push_back({TextOf(action, "Command"), TextOf(action, "Arguments"),
                              TextOf(action, "WorkingDirectory")});
  });
  return task;
}

}  // namespace

HRESULT TaskFilesIn(const std::string& folder, std::vector<std::string>& paths) {
  WIN32_FIND_DATAW data;
  FindHandle find(FindFirstFileW((StoredPath(folder) + L"\\*").c_str(), &data));
  if (!find.valid())
    return HRESULT_FROM_WIN32(GetLastError());
  const std::string prefix = folder == "\\" ? "" : folder;
  do {
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
      paths.push_back(prefix + "\\" + Narrow(data.cFileName));
  } while (FindNextFileW(find.get(), &data));
  return S_OK;
}

HRESULT ReadTaskFile(const std::string& path, ScheduledTask& task) {
  ComPtr<IXMLDOMDocument> document;
  HRESULT result = Load(path, document);
  if (FAILED(result))
    return result;
  const ComPtr<IXMLDOMNode> root = Child(document.get(), "Task");
  if (!root.valid())
    return kMalformedXml;
  // Apart until read whole: the path may be the task's own.
  ScheduledTask read = TaskIn(root.get());
  read.path = path;
  result = ReadText([&](BSTR* out) { return document->get_xml(out); }, read.xml);
  if (SUCCEEDED(result))
    task = std::move(read);
  return result;
}

}  // namespace tarnix
