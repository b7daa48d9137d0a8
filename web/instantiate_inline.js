// The WebAssembly is inside the page: it is compiled from there, off the main thread, without
// the fetch of a data: URL that emscripten's runtime would otherwise make for it.
Module["instantiateWasm"] = (imports, receive) => {
  WebAssembly.instantiate(tryParseAsDataURI(wasmBinaryFile), imports)
      .then((output) => receive(output["instance"]));
  return {};
};
