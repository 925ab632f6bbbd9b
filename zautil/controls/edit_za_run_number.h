// The run edit: always one letter or digit; a typed one replaces it.
#pragma once

#include <platform/edit.h>

#include <string>

class CEditZaRunNumber : public zplat::Edit {
public:
    CEditZaRunNumber(int id, std::string label);

protected:
    void onChar(char key) override;
    void onTextSet() override;
};
