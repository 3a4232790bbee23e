#pragma once

#include "wizards/namespage.h"
#include "wizards/optionspage.h"
#include "wizards/sizepage.h"

#include <memory>

// The three pages of each of the four layouts: the page kinds configured
// with each layout's controls, defaults and captions.

class Tlayout1form : public SizePage
{
public:
    explicit Tlayout1form(QWidget *parent = nullptr);
};

class Tlayout11form : public NamesPage
{
public:
    explicit Tlayout11form(QWidget *parent = nullptr);
};

class Tlayout111form : public OptionsPage
{
public:
    explicit Tlayout111form(QWidget *parent = nullptr);
};

class Tlayout2form : public SizePage
{
public:
    explicit Tlayout2form(QWidget *parent = nullptr);
};

class Tlayout22form : public NamesPage
{
public:
    explicit Tlayout22form(QWidget *parent = nullptr);
};

class Tlayout222form : public OptionsPage
{
public:
    explicit Tlayout222form(QWidget *parent = nullptr);
};

class Tlayout3form : public SizePage
{
public:
    explicit Tlayout3form(QWidget *parent = nullptr);
};

class Tlayout33form : public NamesPage
{
public:
    explicit Tlayout33form(QWidget *parent = nullptr);
};

class Tlayout333form : public OptionsPage
{
public:
    explicit Tlayout333form(QWidget *parent = nullptr);
};

class Tlayout4form : public SizePage
{
public:
    explicit Tlayout4form(QWidget *parent = nullptr);
};

class Tlayout44form : public NamesPage
{
public:
    explicit Tlayout44form(QWidget *parent = nullptr);
};

class Tlayout444form : public OptionsPage
{
public:
    explicit Tlayout444form(QWidget *parent = nullptr);
};

// The pages of layout 1..4, created anew each time they are shown.
std::unique_ptr<SizePage> createSizePage(int layout, QWidget *parent = nullptr);
std::unique_ptr<NamesPage> createNamesPage(int layout, QWidget *parent = nullptr);
std::unique_ptr<OptionsPage> createOptionsPage(int layout, QWidget *parent = nullptr);
