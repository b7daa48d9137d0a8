// Writes the page's first markup, as a freshly loaded form shows it, for the page's build.
// usage: write_page_shell <icon.base64> <page_shell.html>

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "logic/main_form.h"
#include "web/page_shell.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: write_page_shell <icon.base64> <page_shell.html>\n";
        return 2;
    }
    std::ifstream iconFile(argv[1], std::ios::binary);
    const std::string icon((std::istreambuf_iterator<char>(iconFile)),
                           std::istreambuf_iterator<char>());
    if (!iconFile.is_open() || icon.empty()) {
        std::cerr << "write_page_shell: cannot read " << argv[1] << '\n';
        return 1;
    }
    // The same form the page's view makes at start: created, then loaded.
    MainForm form;
    form.Form_Load();
    std::ofstream page(argv[2], std::ios::binary);
    page << PageShell(form, icon);
    if (!page.flush()) {
        std::cerr << "write_page_shell: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
