#include "app/kavalto_app.h"

int main(int argc, char** argv) {
    kavalto::CKavaltoApp app(argc, argv);
    app.InitInstance();
    const int status = app.exec();
    app.ExitInstance();
    return status;
}
