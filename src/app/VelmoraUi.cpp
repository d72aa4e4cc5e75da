// velmora_ui is the program without main(): the folders' object libraries are linked into it.
namespace velmora {
int VelmoraUiAnchor() { return 0; }
}  // namespace velmora
