<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>IniFile</name>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be used in an INI file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A value cannot hold a line break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no section [%1].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is a section [%1] already.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoadSearchDialog</name>
    <message>
        <source>Load Saved Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select saved search to load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart the chosen saved search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without loading</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LocalFile</name>
    <message>
        <source>the system&apos;s code page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds characters that cannot be written in the file&apos;s encoding (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveCommand</name>
    <message>
        <source>You must first select the item in the results list that you would like to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved the counts of %1 in the saved search &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveSearchDialog</name>
    <message>
        <source>Save Search Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Into An Old Search Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Append new results to this previous search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the counts to the chosen saved search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create New Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose a &amp;name for this search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a new saved search with the counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type a name for this search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A saved search cannot be named &quot;%1&quot;. A name must not begin with &quot;.&quot; and must not contain any of these characters: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The search results could not be saved into &quot;%1&quot;.

%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SavedSearchChoice</name>
    <message>
        <source>You currently do not have any saved searches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose a saved file in the dropdown box above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select A Saved Search</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SavedSearches</name>
    <message>
        <source>The name cannot be used for a saved search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a link to a file outside the folder of the saved searches, so nothing is written to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SourceEditDialog</name>
    <message>
        <source>Least interval between queries, in milliseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The least time between two queries of this source; a service that allows one query a second wants 1000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The column&apos;s caption, the saved searches&apos; section and the chart&apos;s series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{site} stands for the site, percent-encoded; without it the site is appended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>listed: the text as the URL list holds it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>host: the host without www.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>domain: the registered domain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JSON path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where a JSON reply holds the count; leave it empty to read a page by markers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text just before the count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text just after the count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text of the page that says nothing was found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Headers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One header a line, Name: value, such as an API key; saved values show as dots and are kept unless retyped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counts toward the &amp;total and the rank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User agent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as in the Network options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The User-Agent this source is asked with; empty for the one of the Network options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Site:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;JSON path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Before:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;fter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No &amp;results:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Headers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Interval:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;User agent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the source into settings.ini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without saving the source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This source cannot be saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SourcesPage</name>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebResultsCommands</name>
    <message>
        <source>You must first select the item in the results list you wish to view web results for.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
