<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>Comparison</name>
    <message numerus="yes">
        <source>; %n of its prices are older than %1 days</source>
        <translation>
            <numerusform>; %n of its prices is older than %1 days</numerusform>
            <numerusform>; %n of its prices are older than %1 days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Each item at its cheapest shop: %1%2 at %n shops</source>
        <translation>
            <numerusform>Each item at its cheapest shop: %1%2 at %n shop</numerusform>
            <numerusform>Each item at its cheapest shop: %1%2 at %n shops</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> — %1%2 more than %3, which has no price for %n of the items</source>
        <translation>
            <numerusform> — %1%2 more than %3, which has no price for %n of the items</numerusform>
            <numerusform> — %1%2 more than %3, which has no price for %n of the items</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shops: %1 %2%3</source>
        <translation>
            <numerusform>%n shop: %1 %2%3</numerusform>
            <numerusform>%n shops: %1 %2%3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Like for like: %1 with the %n items it lacks at their cheapest elsewhere %2%3; each item at its cheapest shop %2%4</source>
        <translation>
            <numerusform>Like for like: %1 with the item it lacks at its cheapest elsewhere %2%3; each item at its cheapest shop %2%4</numerusform>
            <numerusform>Like for like: %1 with the %n items it lacks at their cheapest elsewhere %2%3; each item at its cheapest shop %2%4</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ComparisonModel</name>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>%n day ago</numerusform>
            <numerusform>%n days ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n months ago</source>
        <translation>
            <numerusform>%n month ago</numerusform>
            <numerusform>%n months ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years ago</source>
        <translation>
            <numerusform>%n year ago</numerusform>
            <numerusform>%n years ago</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message numerus="yes">
        <source>%Ln items updated</source>
        <translation>
            <numerusform>%Ln item updated</numerusform>
            <numerusform>%Ln items updated</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln items added</source>
        <translation>
            <numerusform>%Ln item added</numerusform>
            <numerusform>%Ln items added</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln added</source>
        <translation>
            <numerusform>%Ln added</numerusform>
            <numerusform>%Ln added</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln items unchanged</source>
        <translation>
            <numerusform>%Ln item unchanged</numerusform>
            <numerusform>%Ln items unchanged</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln unchanged</source>
        <translation>
            <numerusform>%Ln unchanged</numerusform>
            <numerusform>%Ln unchanged</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln prices changed</source>
        <translation>
            <numerusform>%Ln price changed</numerusform>
            <numerusform>%Ln prices changed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln shops named</source>
        <translation>
            <numerusform>%Ln shop named</numerusform>
            <numerusform>%Ln shops named</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message numerus="yes">
        <source>Trip plan of %n shops</source>
        <translation>
            <numerusform>Trip plan of %n shop</numerusform>
            <numerusform>Trip plan of %n shops</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Choose a Trip Plan of %n Shops</source>
        <translation>
            <numerusform>Choose a Trip Plan of %n Shop</numerusform>
            <numerusform>Choose a Trip Plan of %n Shops</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %Ln items from &apos;%1&apos;</source>
        <translation>
            <numerusform>Imported %Ln item from &apos;%1&apos;</numerusform>
            <numerusform>Imported %Ln items from &apos;%1&apos;</numerusform>
        </translation>
    </message>
</context>
</TS>
