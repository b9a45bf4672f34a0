<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MainEditor</name>
    <message numerus="yes">
        <source>%1 has %n problem(s); its objects are kept as read:</source>
        <translation>
            <numerusform>%1 has %n problem; its objects are kept as read:</numerusform>
            <numerusform>%1 has %n problems; its objects are kept as read:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n object(s)</source>
        <translation>
            <numerusform>%n object</numerusform>
            <numerusform>%n objects</numerusform>
        </translation>
    </message>
</context>
</TS>
