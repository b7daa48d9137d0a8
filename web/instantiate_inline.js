// The WebAssembly is inside the page: it is compiled from there, without the fetch of a data: URL
// that emscripten's runtime would otherwise make for it. And only once the page's first frames
// are out: the controls are in the markup already, so the page shows at once, and compiling and
// starting the view hold back neither the first frame nor the one after it that shows it painted
// (in Chromium they ran before the first paint). A page in a background tab gets no frames, so it
// starts after a while anyway.
Module["instantiateWasm"] = (imports, receive) => {
  let started = false;
  const start = () => {
    if (started) return;
    started = true;
    WebAssembly.instantiate(tryParseAsDataURI(wasmBinaryFile), imports)
        .then((output) => receive(output["instance"]));
  };
  requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(start)));
  setTimeout(start, 500);
  return {};
};
