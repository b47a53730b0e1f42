<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>quoxa::frmMain</name>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1: %n point</numerusform>
            <numerusform>%1: %n points</numerusform>
        </translation>
    </message>
</context>
</TS>
